#include "platform/ui/Dialogs.h"

#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

TDialogAnswers* ActiveAnswers = nullptr;

// The button that Enter presses: the affirmative one first, as the toolkit orders them.
int DefaultResult(int buttons) {
    if (buttons & mbYes)
        return mrYes;
    if (buttons & mbOK)
        return mrOk;
    if (buttons & mbNo)
        return mrNo;
    if (buttons & mbCancel)
        return mrCancel;
    return mrNone;
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Error:
        return QMessageBox::Critical;
    case TMsgDlgType::Warning:
        return QMessageBox::Warning;
    case TMsgDlgType::Information:
        return QMessageBox::Information;
    case TMsgDlgType::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct TButtonMapping {
    TMsgDlgBtn Button;
    QMessageBox::StandardButton Standard;
    TModalResult Result;
};

constexpr TButtonMapping ButtonMappings[] = {
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
};

QString WithDefaultSuffix(const QString& path, const QString& defaultSuffix) {
    QString suffix = defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

} // namespace

TDialogAnswers::TDialogAnswers() : FPrevious(ActiveAnswers) {
    ActiveAnswers = this;
}

TDialogAnswers::~TDialogAnswers() {
    ActiveAnswers = FPrevious;
}

TDialogAnswers* TDialogAnswers::Active() {
    return ActiveAnswers;
}

void TDialogAnswers::Clear() {
    FMessages.clear();
    FSaveDialogs.clear();
}

int TDialogAnswers::AnswerMessage(const TShownMessage& message) {
    FMessages.append(message);
    return OnMessage ? OnMessage(message) : DefaultResult(message.Buttons);
}

QString TDialogAnswers::AnswerSaveFile(const TShownSaveDialog& dialog) {
    FSaveDialogs.append(dialog);
    return OnSaveFile ? OnSaveFile(dialog) : QString();
}

int MessageBox(QWidget* parent, const QString& text, const QString& title, TMsgDlgType type, int buttons) {
    if (TDialogAnswers* answers = TDialogAnswers::Active())
        return answers->AnswerMessage({text, title, type, buttons});

    QMessageBox box(IconOf(type), title, text, QMessageBox::NoButton, parent);
    for (const TButtonMapping& mapping : ButtonMappings)
        if (buttons & mapping.Button) {
            QPushButton* button = box.addButton(mapping.Standard);
            if (mapping.Result == DefaultResult(buttons))
                box.setDefaultButton(button);
        }
    box.exec();
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (const TButtonMapping& mapping : ButtonMappings)
        if (mapping.Standard == clicked)
            return mapping.Result;
    return mrNone;
}

int ShowModal(QDialog* dialog) {
    if (TDialogAnswers* answers = TDialogAnswers::Active())
        return answers->OnModal ? answers->OnModal(dialog) : 0;
    return dialog->exec();
}

void ShowPreview(QDialog* preview, bool modal) {
    preview->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    if (TDialogAnswers* answers = TDialogAnswers::Active()) {
        if (answers->OnPreview)
            answers->OnPreview(preview);
        return;
    }
    if (modal) {
        preview->exec();
        return;
    }
    // The application's end leaves every event loop, this one included.
    QEventLoop loop;
    QObject::connect(preview, &QDialog::finished, &loop, &QEventLoop::quit);
    preview->show();
    loop.exec();
}

QString SaveFileName(QWidget* parent, const QString& title, const QString& folder,
                     const QString& proposedName, const QString& filter, const QString& defaultSuffix) {
    QString path;
    if (TDialogAnswers* answers = TDialogAnswers::Active())
        path = answers->AnswerSaveFile({title, folder, proposedName, filter, defaultSuffix});
    else
        path = QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(proposedName), filter);
    return WithDefaultSuffix(path, defaultSuffix);
}

bool ConfirmRecordDelete(QWidget* parent) {
    return MessageBox(parent, QStringLiteral("Supprimer l'enregistrement ?"), QStringLiteral("Confirmation"),
                      TMsgDlgType::Confirmation, mbOK | mbCancel) == mrOk;
}
