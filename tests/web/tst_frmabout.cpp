#include "SiteAddresses.h"
#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms.h"
#include "forms/lifecycle/UnloadAllAndEnd.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmMain.h"
#include "web/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Runs the steps inside the about window's modal loop, then unloads it if they
// left it open, so that a failing step cannot hang the test.
void whileAboutShown(const std::function<void(web::FrmAbout &)> &steps)
{
    QTimer::singleShot(0, [steps] {
        steps(web::frmAbout.get());
        web::frmAbout.Unload();
    });
    web::frmAbout.ShowModal();
}

QStringList shownContent(const web::FrmAbout &about)
{
    QStringList content{about.windowTitle()};
    for (const QLabel *label : about.findChildren<QLabel *>())
        content << label->objectName() + u'=' + label->text();
    return content;
}

} // namespace

class FrmAboutTest : public WindowTest {
    Q_OBJECT

public:
    FrmAboutTest()
        : WindowTest(Leftovers::Refused)
    {
    }

private slots:
    void closingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void closingKeys()
    {
        QFETCH(int, key);
        bool closed = false;
        whileAboutShown([&](web::FrmAbout &about) {
            QTest::keyClick(&about, Qt::Key(key));
            closed = !web::frmAbout.isLoaded();
        });
        QVERIFY(closed);
    }

    void closeBoxUnloads()
    {
        bool closed = false;
        whileAboutShown([&](web::FrmAbout &about) {
            about.close();
            closed = !web::frmAbout.isLoaded();
        });
        QVERIFY(closed);
    }

    void links_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("home page") << u"lblHomePage"_s << u"home-page"_s;
        QTest::newRow("more details opens the fully branded page, not co-branding")
            << u"lblCobrand"_s << u"fully-branded"_s;
    }

    void links()
    {
        QFETCH(QString, link);
        QFETCH(QString, pageKey);
        bool stillModal = false;
        whileAboutShown([&](web::FrmAbout &about) {
            QLabel *label = about.findChild<QLabel *>(link);
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton);
            stillModal = web::frmAbout.isLoaded() && QApplication::activeModalWidget() == &about;
        });
        QCOMPARE(m_desktop->openedAddresses, QStringList{expected::pageAddress(pageKey)});
        QVERIFY(stillModal);
    }

    void sameFixedContentEachOpening()
    {
        QStringList first;
        QStringList second;
        bool pictureShown = false;
        whileAboutShown([&](web::FrmAbout &about) {
            first = shownContent(about);
            const QLabel *picture = about.findChild<QLabel *>(u"Picture1"_s);
            pictureShown = picture && !picture->pixmap().isNull();
        });
        whileAboutShown([&](web::FrmAbout &about) { second = shownContent(about); });
        QCOMPARE(second, first);
        QVERIFY(first.contains("lblHomePage=Click here to visit "_L1 + buildfacts::host));
        QVERIFY(first.contains(u"lblCobrand= Click here for more details."_s));
        QVERIFY(pictureShown);
    }

    // The home page link follows the last words of the description on their
    // line or, where the fonts leave no room there, starts the next; it covers
    // nothing and nothing is cut off.
    void homePageLinkEndsTheDescription()
    {
        QRect description;
        QRectF lastLine;
        qreal textHeight = 0;
        QRect link;
        int linkWidth = 0;
        QRect window;
        QList<QRect> others;
        whileAboutShown([&](web::FrmAbout &about) {
            const QLabel *label = about.findChild<QLabel *>(u"Label1"_s);
            const QLabel *homePage = about.findChild<QLabel *>(u"lblHomePage"_s);
            description = label->geometry();
            QTextLayout layout(label->text(), label->font());
            QTextOption wrapping;
            wrapping.setWrapMode(QTextOption::WordWrap);
            layout.setTextOption(wrapping);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(label->contentsRect().width());
                line.setPosition(QPointF(0, textHeight));
                textHeight += line.height();
                lastLine = QRectF(line.position(), QSizeF(line.naturalTextWidth(), line.height()));
            }
            layout.endLayout();
            link = homePage->geometry();
            linkWidth = homePage->sizeHint().width();
            window = about.rect();
            for (const QWidget *child : about.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (child != label && child != homePage && child->isVisible())
                    others.append(child->geometry());
            }
        });
        lastLine.translate(description.topLeft());
        QVERIFY(textHeight <= description.height());
        const bool onTheLastLine = qAbs(lastLine.center().y() - QRectF(link).center().y()) <= 2;
        if (onTheLastLine) {
            QVERIFY2(lastLine.right() < link.left(),
                     qPrintable(
                         u"the last line ends at %1, the link starts at %2"_s.arg(lastLine.right()).arg(link.left())));
        } else {
            QVERIFY2(link.top() >= lastLine.bottom() && link.left() == description.left(),
                     "the link is neither on the last line nor on the next");
        }
        for (const QRect &other : others)
            QVERIFY(!other.intersects(link));
        QVERIFY(linkWidth <= link.width());
        QVERIFY(window.contains(link));
    }

    void aboutMenuWaitsForTheModalWindow()
    {
        reading::frmMain.Show();
        QAction *mnuAbout = reading::frmMain->findChild<QAction *>(u"mnuAbout"_s);
        QVERIFY(mnuAbout);
        bool shownModal = false;
        QTimer::singleShot(0, [&] {
            shownModal = qobject_cast<web::FrmAbout *>(QApplication::activeModalWidget()) != nullptr;
            web::frmAbout.Unload();
        });
        mnuAbout->trigger();
        QVERIFY(shownModal);
        QVERIFY(!web::frmAbout.isLoaded());
        QVERIFY(reading::frmMain.isLoaded());
        forms::UnloadAllAndEnd();
    }
};

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
