// An image plugin that reads nothing and only tells, through an environment
// variable, that Qt has loaded it or asked it whether it reads an image.
#include <QImageIOPlugin>

namespace {

bool announce()
{
    return qputenv(ASKED_VARIABLE, "1");
}

[[maybe_unused]] const bool loaded = announce();

} // namespace

class FakeImagePlugin final : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "FakeImagePlugin.json")

public:
    Capabilities capabilities(QIODevice *, const QByteArray &) const override
    {
        announce();
        return {};
    }
    QImageIOHandler *create(QIODevice *, const QByteArray &) const override { return nullptr; }
};

#include "FakeImagePlugin.moc"
