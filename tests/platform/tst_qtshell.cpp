#include "platform/QtPlatform.h"
#include "support/modTellAFriend.h"
#include "web/Site.h"

#include <QTest>
#include <QUrl>

namespace {

QStringList logged;

void record(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged.append(message);
}

} // namespace

// No browser can be started on the offscreen platform, so Qt warns about
// every address it is handed, as it does on a desktop without one.
class TestQtShell : public QObject {
    Q_OBJECT

private slots:
    void warningWithoutBrowserKeepsTypedValuesOut_data();
    void warningWithoutBrowserKeepsTypedValuesOut();
};

void TestQtShell::warningWithoutBrowserKeepsTypedValuesOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain words") << QStringLiteral("Ann Lee") << QStringLiteral("ann@lee.example")
                                 << QStringLiteral("Have a look");
    QTest::newRow("separators and text outside ASCII")
        << QStringLiteral("\u00c9mile & Zo\u00eb") << QStringLiteral("zo\u00eb+x@b\u00fccher.example")
        << QStringLiteral("50% #1\r\n\u4f60\u597d");
}

void TestQtShell::warningWithoutBrowserKeepsTypedValuesOut()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    const modTellAFriend::Referral referral{name, email, message, QStringLiteral("Friend Person"),
                                            QStringLiteral("friend@person.example")};
    const QString address = modTellAFriend::referralAddress(referral, web::host());

    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&record);
    platform::QtShell().openAddress(address);
    qInstallMessageHandler(previous);

    QVERIFY(!logged.isEmpty());
    const QString everything = logged.join(u'\n');
    QVERIFY2(everything.contains(web::host()), qPrintable(everything));
    const QStringList typed{name, email, message, referral.friendName, referral.friendEmail};
    for (const QString &value : typed) {
        const QStringList forms{value, QString::fromLatin1(QUrl::toPercentEncoding(value)),
                                QString::fromLatin1(QUrl::toPercentEncoding(value, "@ "))};
        for (const QString &form : forms)
            QVERIFY2(!everything.contains(form), qPrintable(everything));
    }
}

QTEST_MAIN(TestQtShell)
#include "tst_qtshell.moc"
