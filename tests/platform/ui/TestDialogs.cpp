#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(Dialogs, MessageBoxRecordsWhatItWouldShowAndReturnsTheHandlersAnswer) {
    TDialogAnswers answers;
    answers.OnMessage = [](const TShownMessage& message) {
        return message.Text.startsWith("Supprimer") ? mrNo : mrYes;
    };

    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Supprimer la chambre ?"), QStringLiteral("Vorandel"),
                         TMsgDlgType::Confirmation, mbYes | mbNo),
              mrNo);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Continuer ?"), QStringLiteral("Titre"),
                         TMsgDlgType::Warning, mbYes | mbNo | mbCancel),
              mrYes);

    ASSERT_EQ(answers.Messages().size(), 2);
    const TShownMessage& first = answers.Messages()[0];
    EXPECT_EQ(first.Text, QStringLiteral("Supprimer la chambre ?"));
    EXPECT_EQ(first.Title, QStringLiteral("Vorandel"));
    EXPECT_EQ(first.Type, TMsgDlgType::Confirmation);
    EXPECT_EQ(first.Buttons, mbYes | mbNo);
    EXPECT_EQ(answers.Messages()[1].Type, TMsgDlgType::Warning);

    answers.Clear();
    EXPECT_TRUE(answers.Messages().isEmpty());
}

TEST(Dialogs, WithoutAHandlerAMessageBoxAnswersWithItsDefaultButton) {
    TDialogAnswers answers;
    const struct {
        int buttons;
        int expected;
    } cases[] = {
        {mbOK, mrOk},         {mbOK | mbCancel, mrOk}, {mbYes | mbNo, mrYes}, {mbNo | mbCancel, mrNo},
        {mbCancel, mrCancel},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageBox(nullptr, QStringLiteral("?"), QString(), TMsgDlgType::Confirmation, c.buttons),
                  c.expected)
            << c.buttons;
}

TEST(Dialogs, TheNewestAnswersInstanceAnswersUntilItEnds) {
    TDialogAnswers outer;
    outer.OnMessage = [](const TShownMessage&) { return mrCancel; };
    {
        TDialogAnswers inner;
        inner.OnMessage = [](const TShownMessage&) { return mrOk; };
        EXPECT_EQ(
            MessageBox(nullptr, QStringLiteral("a"), QString(), TMsgDlgType::Information, mbOK | mbCancel),
            mrOk);
        EXPECT_EQ(inner.Messages().size(), 1);
    }
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("b"), QString(), TMsgDlgType::Information, mbOK | mbCancel),
              mrCancel);
    ASSERT_EQ(outer.Messages().size(), 1);
    EXPECT_EQ(outer.Messages()[0].Text, QStringLiteral("b"));
    EXPECT_EQ(TDialogAnswers::Active(), &outer);
}

TEST(Dialogs, ConfirmRecordDeleteAsksTheToolkitsQuestionAndAcceptsOnlyOk) {
    TDialogAnswers answers;
    for (const int answer : {mrOk, mrCancel, mrNone}) {
        answers.OnMessage = [answer](const TShownMessage&) { return answer; };
        EXPECT_EQ(ConfirmRecordDelete(nullptr), answer == mrOk);
    }
    ASSERT_EQ(answers.Messages().size(), 3);
    const TShownMessage& message = answers.Messages()[0];
    EXPECT_EQ(message.Text, QStringLiteral("Supprimer l'enregistrement ?"));
    EXPECT_EQ(message.Title, QStringLiteral("Confirmation"));
    EXPECT_EQ(message.Type, TMsgDlgType::Confirmation);
    EXPECT_EQ(message.Buttons, mbOK | mbCancel);
}

// The real box, answered by clicking: the program loads Qt's French translations, and the buttons
// must then read as the user expects.
TEST(Dialogs, RealMessageBoxShowsTextTitleStopIconAndTranslatedButtons) {
    QTranslator translator;
    ASSERT_TRUE(
        translator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&translator);

    QString shownText, shownTitle;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QStringList buttonTexts;
    QString defaultText;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            for (QAbstractButton* button : box->buttons())
                buttonTexts << button->text().remove(QLatin1Char('&'));
            defaultText = box->defaultButton()->text().remove(QLatin1Char('&'));
            box->button(QMessageBox::Cancel)->click();
        }
    });
    const int result = MessageBox(nullptr, QStringLiteral("Le fichier est introuvable."),
                                  QStringLiteral("Vorandel"), TMsgDlgType::Error, mbOK | mbCancel);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(shownText, QStringLiteral("Le fichier est introuvable."));
    EXPECT_EQ(shownTitle, QStringLiteral("Vorandel"));
    EXPECT_EQ(shownIcon, QMessageBox::Critical);
    buttonTexts.sort();
    EXPECT_EQ(buttonTexts, QStringList({QStringLiteral("Annuler"), QStringLiteral("OK")}));
    EXPECT_EQ(defaultText, QStringLiteral("OK"));
}

TEST(Dialogs, SaveFileNameRecordsTheDialogAndGivesTheDefaultSuffixToANameWithout) {
    TDialogAnswers answers;
    const struct {
        const char* typed;
        const char* defaultSuffix;
        const char* expected;
    } cases[] = {
        {"/data/releve", "pdf", "/data/releve.pdf"},
        {"/data/releve", ".pdf", "/data/releve.pdf"},
        {"/data/releve.PDF", "pdf", "/data/releve.PDF"},
        {"/data/releve.txt", "pdf", "/data/releve.txt"},
        {"/data/v1.2/releve", "pdf", "/data/v1.2/releve.pdf"},
        {"/data/releve", "", "/data/releve"},
        {"", "pdf", ""}, // cancelled
    };
    for (const auto& c : cases) {
        answers.OnSaveFile = [&c](const TShownSaveDialog&) { return QString::fromUtf8(c.typed); };
        EXPECT_EQ(SaveFileName(nullptr, QStringLiteral("Enregistrer"), QStringLiteral("/data"),
                               QStringLiteral("releve"), QStringLiteral("PDF (*.pdf)"),
                               QString::fromUtf8(c.defaultSuffix)),
                  QString::fromUtf8(c.expected))
            << c.typed;
    }
    const TShownSaveDialog& shown = answers.SaveDialogs().front();
    EXPECT_EQ(shown.Title, QStringLiteral("Enregistrer"));
    EXPECT_EQ(shown.Folder, QStringLiteral("/data"));
    EXPECT_EQ(shown.ProposedName, QStringLiteral("releve"));
    EXPECT_EQ(shown.Filter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(shown.DefaultSuffix, QStringLiteral("pdf"));

    answers.OnSaveFile = nullptr;
    EXPECT_TRUE(
        SaveFileName(nullptr, QString(), QString(), QString(), QString(), QStringLiteral("pdf")).isEmpty());
}
