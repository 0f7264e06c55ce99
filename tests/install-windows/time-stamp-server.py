# An RFC 3161 time-stamping service on the loopback address, made of openssl
# ts, for the signing test: prints its port, then answers until it is killed.
# Usage: time-stamp-server.py OPENSSL_TS_CONFIG
import http.server
import subprocess
import sys

config = sys.argv[1]
class Handler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers['Content-Length']))
        reply = subprocess.run(['openssl', 'ts', '-reply', '-config', config, '-queryfile', '/dev/stdin', '-out', '/dev/stdout'],
                               input=query, capture_output=True, check=True).stdout
        self.send_response(200)
        self.send_header('Content-Type', 'application/timestamp-reply')
        self.send_header('Content-Length', str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)
    def log_message(self, *arguments):
        pass
server = http.server.HTTPServer(('127.0.0.1', 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
