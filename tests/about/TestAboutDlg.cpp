#include "about/AboutDlg.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Stands in for the user's mail program.
class MailProgram : public QObject {
    Q_OBJECT
public:
    MailProgram() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Open"); }
    ~MailProgram() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }
    QList<QUrl> Opened;

public slots:
    void Open(const QUrl& url) { Opened << url; }
};

class AboutDialog : public testing::Test {
protected:
    // Shows the dialog again, as each opening from the main window does.
    void ShowAgain() {
        Dialog.hide();
        Dialog.show();
    }

    TFormAboutDlg Dialog;
};

} // namespace

TEST_F(AboutDialog, HasItsCaptionSizeAndNoTitleBarButtons) {
    EXPECT_EQ(Dialog.windowTitle(), QStringLiteral("A Propos..."));
    EXPECT_EQ(Dialog.minimumSize(), QSize(375, 271));
    EXPECT_EQ(Dialog.maximumSize(), QSize(375, 271));
    const Qt::WindowFlags flags = Dialog.windowFlags();
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                        Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;
    EXPECT_TRUE(Dialog.GroupBoxAbout->title().isEmpty());
}

TEST_F(AboutDialog, EveryControlHasItsNameAndPlace) {
    // Controls down to the archive button lie in the group box; the close button lies outside it.
    const struct {
        const char* Name;
        QRect Geometry;
        bool InGroupBox;
    } controls[] = {
        {"GroupBoxAbout", {4, -2, 367, 219}, false},
        {"ImageQuimbels", {14, 16, 49, 49}, true},
        {"Bevel1", {0, 112, 367, 2}, true},
        {"EditNombienLoue", {148, 127, 89, 14}, true},
        {"ImageMoi", {21, 20, 35, 41}, true},
        {"Bevel2", {0, 160, 367, 2}, true},
        {"SpeedButtonArchiver", {27, 176, 313, 33}, true},
        {"BitBtnFermer", {128, 232, 120, 33}, false},
    };
    for (const auto& control : controls) {
        auto* widget = Dialog.findChild<QWidget*>(QLatin1String(control.Name));
        ASSERT_NE(widget, nullptr) << control.Name;
        EXPECT_EQ(widget->geometry(), control.Geometry) << control.Name;
        QWidget* parent = control.InGroupBox ? static_cast<QWidget*>(Dialog.GroupBoxAbout) : &Dialog;
        EXPECT_EQ(widget->parentWidget(), parent) << control.Name;
    }
    const struct {
        const char* Name;
        QPoint Position;
        const char* Text;
    } labels[] = {
        {"LabelQuimbels", {109, 16}, "Quimbels"},
        {"LabelV", {140, 51}, "Version :"},
        {"LabelVersionNbr", {188, 51}, nullptr},
        {"LabelCopyright", {87, 80}, nullptr},
        {"LabelAdresseMail", {134, 96}, "quimbels@vorandel.fr"},
        {"Label1", {12, 128}, "Designation du Bien Loue :"},
        {"Label2", {244, 128}, "(8 caracteres maximum)"},
    };
    for (const auto& label : labels) {
        auto* widget = Dialog.GroupBoxAbout->findChild<QLabel*>(QLatin1String(label.Name));
        ASSERT_NE(widget, nullptr) << label.Name;
        EXPECT_EQ(widget->pos(), label.Position) << label.Name;
        if (label.Text != nullptr) {
            EXPECT_EQ(widget->text(), QString::fromUtf8(label.Text)) << label.Name;
        }
    }
    EXPECT_EQ(Dialog.LabelCopyright->width(), 194);
    EXPECT_TRUE(Dialog.LabelQuimbels->font().bold());
    EXPECT_EQ(Dialog.LabelQuimbels->font().pixelSize(), 32);
    EXPECT_EQ(Dialog.BitBtnFermer->text(), QStringLiteral("Fermer"));
    EXPECT_EQ(Dialog.SpeedButtonArchiver->text(), QStringLiteral("Archiver les Donnees ..."));
    EXPECT_TRUE(Dialog.SpeedButtonArchiver->autoRaise());
}

TEST_F(AboutDialog, TheVersionLabelShowsTheBuildsFileVersion) {
    EXPECT_EQ(Dialog.LabelVersionNbr->text(), QStringLiteral(QUIMBELS_FILE_VERSION));
    EXPECT_NE(Dialog.LabelVersionNbr->text(), QStringLiteral("1.0.0.21"));
}

TEST_F(AboutDialog, TheNameBoxIsBorderlessAndTakesAtMostEightTypedCharacters) {
    EXPECT_FALSE(Dialog.EditNombienLoue->hasFrame());
    Dialog.SetRentedGoodText(QString());
    QTest::keyClicks(Dialog.EditNombienLoue, QStringLiteral("Appartements"));
    EXPECT_EQ(Dialog.GetRentedGoodText(), QStringLiteral("Appartem"));
    Dialog.SetRentedGoodText(QStringLiteral("Gîte"));
    EXPECT_EQ(Dialog.GetRentedGoodText(), QStringLiteral("Gîte"));
    // A longer name stored elsewhere is carried whole, so that closing changes nothing.
    Dialog.SetRentedGoodText(QStringLiteral("Gîte du Moulin"));
    EXPECT_EQ(Dialog.GetRentedGoodText(), QStringLiteral("Gîte du Moulin"));
    Dialog.SetRentedGoodText(QStringLiteral("Gîte"));
    QTest::keyClicks(Dialog.EditNombienLoue, QStringLiteral(" du Moulin"));
    EXPECT_EQ(Dialog.GetRentedGoodText(), QStringLiteral("Gîte du "));
}

TEST_F(AboutDialog, TheCodeTypedFirstOnTheCloseButtonRevealsThePicture) {
    const struct {
        const char* Typed;
        bool Revealed;
    } cases[] = {
        {"QMB", true}, {"QMBX", true}, {"QM", false}, {"qmb", false}, {"XQMB", false}, {"QMb", false},
    };
    Dialog.show();
    for (const auto& c : cases) {
        ShowAgain();
        EXPECT_FALSE(Dialog.ImageMoi->isVisible()) << c.Typed;
        QTest::keyClicks(Dialog.BitBtnFermer, QLatin1String(c.Typed));
        EXPECT_EQ(Dialog.ImageMoi->isVisible(), c.Revealed) << c.Typed;
    }
}

TEST_F(AboutDialog, AWrongFirstKeyBlocksTheCodeUntilTheDialogIsShownAgain) {
    Dialog.show();
    QTest::keyClicks(Dialog.BitBtnFermer, QStringLiteral("A"));
    QTest::keyClicks(Dialog.BitBtnFermer, QStringLiteral("QMB"));
    EXPECT_FALSE(Dialog.ImageMoi->isVisible());
    ShowAgain();
    EXPECT_EQ(Dialog.TypedKeys, QString());
    QTest::keyClicks(Dialog.BitBtnFermer, QStringLiteral("QMB"));
    EXPECT_TRUE(Dialog.ImageMoi->isVisible());
    // Keys typed elsewhere do not count.
    ShowAgain();
    QTest::keyClicks(Dialog.EditNombienLoue, QStringLiteral("x"));
    QTest::keyClicks(Dialog.BitBtnFermer, QStringLiteral("QMB"));
    EXPECT_TRUE(Dialog.ImageMoi->isVisible());
}

TEST_F(AboutDialog, EveryShowingStartsOnTheCloseButton) {
    Dialog.show();
    EXPECT_EQ(Dialog.focusWidget(), Dialog.BitBtnFermer);
    Dialog.EditNombienLoue->setFocus();
    ShowAgain();
    EXPECT_EQ(Dialog.focusWidget(), Dialog.BitBtnFermer);
}

TEST_F(AboutDialog, OnlyTheCloseButtonClosesIt) {
    Dialog.show();
    QTest::keyClick(Dialog.BitBtnFermer, Qt::Key_Escape);
    EXPECT_TRUE(Dialog.isVisible());
    QTest::mouseClick(Dialog.BitBtnFermer, Qt::LeftButton);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(AboutDialog, ClickingTheAddressWritesAMailToTheAuthor) {
    MailProgram mail;
    Dialog.show();
    QTest::mouseClick(Dialog.LabelAdresseMail, Qt::LeftButton);
    ASSERT_EQ(mail.Opened.size(), 1);
    EXPECT_EQ(mail.Opened[0], QUrl(QStringLiteral("mailto:quimbels@vorandel.fr")));
    QTest::mouseClick(Dialog.LabelAdresseMail, Qt::RightButton);
    EXPECT_EQ(mail.Opened.size(), 1);
}

#include "TestAboutDlg.moc"
