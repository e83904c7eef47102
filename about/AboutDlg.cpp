#include "about/AboutDlg.h"

#include "about/VerInfo.h"
#include "data/QuimbelDataModule.h"
#include "platform/Error.h"
#include "platform/db/DatabaseBackup.h"
#include "platform/os/Clock.h"
#include "platform/os/ShellOpen.h"
#include "platform/ui/Dialogs.h"

#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

TFormAboutDlg* FormAboutDlg = nullptr;

const QString TFormAboutDlg::RevealCode = QStringLiteral("QMB");
const QString TFormAboutDlg::AuthorAddress = QStringLiteral("quimbels@vorandel.fr");

namespace {

constexpr int RentedGoodMaxLength = 8;

QLabel* Label(QWidget* parent, const QString& name, const QString& text, const QPoint& position) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(position);
    label->adjustSize();
    return label;
}

QFrame* Bevel(QWidget* parent, const QString& name, int top) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(name);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(0, top, 367, 2);
    return bevel;
}

QLabel* Picture(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& pixmap) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(pixmap);
    return picture;
}

} // namespace

TFormAboutDlg::TFormAboutDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FVerInfo(std::make_unique<VerInfo>()) {
    setObjectName(QStringLiteral("FormAboutDlg"));
    setWindowTitle(QStringLiteral("A Propos..."));
    setFixedSize(375, 271);
    // The places of the controls were measured in a narrow font; Arial's metrics come closest
    // where that font is missing.
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    setFont(font);

    // Made first so that it is first in the tab order.
    BitBtnFermer =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Fermer"), this);
    BitBtnFermer->setObjectName(QStringLiteral("BitBtnFermer"));
    BitBtnFermer->setGeometry(128, 232, 120, 33);
    BitBtnFermer->installEventFilter(this);
    connect(BitBtnFermer, &QPushButton::clicked, this, &TFormAboutDlg::BitBtnFermerClick);

    BuildGroupBox();
    LabelVersionNbr->setText(FVerInfo->GetFileVersion());
    LabelVersionNbr->adjustSize();
}

TFormAboutDlg::~TFormAboutDlg() {
    if (FormAboutDlg == this)
        FormAboutDlg = nullptr;
}

void TFormAboutDlg::BuildGroupBox() {
    GroupBoxAbout = new QGroupBox(this);
    GroupBoxAbout->setObjectName(QStringLiteral("GroupBoxAbout"));
    GroupBoxAbout->setGeometry(4, -2, 367, 219);

    ImageQuimbels = Picture(GroupBoxAbout, QStringLiteral("ImageQuimbels"), QRect(14, 16, 49, 49),
                            style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(32, 32));
    LabelQuimbels = new QLabel(QStringLiteral("Quimbels"), GroupBoxAbout);
    LabelQuimbels->setObjectName(QStringLiteral("LabelQuimbels"));
    QFont titleFont = font();
    titleFont.setPixelSize(32);
    titleFont.setBold(true);
    LabelQuimbels->setFont(titleFont);
    LabelQuimbels->move(109, 16);
    LabelQuimbels->adjustSize();
    LabelV = Label(GroupBoxAbout, QStringLiteral("LabelV"), QStringLiteral("Version :"), {140, 51});
    LabelVersionNbr = Label(GroupBoxAbout, QStringLiteral("LabelVersionNbr"), QString(), {188, 51});
    LabelCopyright = Label(GroupBoxAbout, QStringLiteral("LabelCopyright"),
                           QStringLiteral("Copyright © Vorandel"), {87, 80});
    LabelCopyright->setGeometry(87, 80, 194, LabelCopyright->height());
    LabelCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelAdresseMail = Label(GroupBoxAbout, QStringLiteral("LabelAdresseMail"), AuthorAddress, {134, 96});
    QPalette mailPalette = LabelAdresseMail->palette();
    mailPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    LabelAdresseMail->setPalette(mailPalette);
    LabelAdresseMail->setCursor(Qt::PointingHandCursor);
    LabelAdresseMail->installEventFilter(this);

    Bevel1 = Bevel(GroupBoxAbout, QStringLiteral("Bevel1"), 112);
    Label1 = Label(GroupBoxAbout, QStringLiteral("Label1"), QStringLiteral("Designation du Bien Loue :"),
                   {12, 128});
    EditNombienLoue = new QLineEdit(QStringLiteral("CHAMBRE"), GroupBoxAbout);
    EditNombienLoue->setObjectName(QStringLiteral("EditNombienLoue"));
    EditNombienLoue->setGeometry(148, 127, 89, 14);
    EditNombienLoue->setFrame(false);
    EditNombienLoue->setMaxLength(RentedGoodMaxLength);
    Label2 =
        Label(GroupBoxAbout, QStringLiteral("Label2"), QStringLiteral("(8 caracteres maximum)"), {244, 128});
    // Made after the program's picture so that it lies over it.
    ImageMoi = Picture(GroupBoxAbout, QStringLiteral("ImageMoi"), QRect(21, 20, 35, 41),
                       style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    ImageMoi->hide();
    Bevel2 = Bevel(GroupBoxAbout, QStringLiteral("Bevel2"), 160);

    SpeedButtonArchiver = new QToolButton(GroupBoxAbout);
    SpeedButtonArchiver->setObjectName(QStringLiteral("SpeedButtonArchiver"));
    SpeedButtonArchiver->setAutoRaise(true);
    SpeedButtonArchiver->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButtonArchiver->setText(QStringLiteral("Archiver les Donnees ..."));
    SpeedButtonArchiver->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButtonArchiver->setGeometry(27, 176, 313, 33);
    connect(SpeedButtonArchiver, &QToolButton::clicked, this, &TFormAboutDlg::SpeedButtonArchiverClick);
}

void TFormAboutDlg::SetRentedGoodText(const QString& name) {
    // The limit holds what the user types. A longer name, stored by other means, is shown whole so
    // that closing the dialog without a change leaves it as it was.
    EditNombienLoue->setMaxLength(std::max<int>(RentedGoodMaxLength, static_cast<int>(name.size())));
    EditNombienLoue->setText(name);
}

QString TFormAboutDlg::GetRentedGoodText() const {
    return EditNombienLoue->text();
}

void TFormAboutDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every showing starts on the close button, where the code is typed.
    BitBtnFermer->setFocus();
    FormShow();
}

void TFormAboutDlg::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel key: the close button is the way out.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TFormAboutDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BitBtnFermer && event->type() == QEvent::KeyPress) {
        for (const QChar key : static_cast<QKeyEvent*>(event)->text())
            BitBtnFermerKeyPress(key);
    } else if (watched == LabelAdresseMail && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelAdresseMailClick();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAboutDlg::FormShow() {
    TypedKeys.clear();
    ImageMoi->hide();
}

void TFormAboutDlg::BitBtnFermerClick() {
    close();
}

void TFormAboutDlg::BitBtnFermerKeyPress(QChar key) {
    TypedKeys.append(key);
    if (TypedKeys == RevealCode)
        ImageMoi->show();
}

void TFormAboutDlg::LabelAdresseMailClick() {
    ShellOpen(QUrl(QStringLiteral("mailto:") + AuthorAddress));
}

void TFormAboutDlg::SpeedButtonArchiverClick() {
    TADOConnection& connection = DataModuleQuimbel->ADOConnection;
    // The archive is proposed beside the database the program opened.
    const QString folder = QFileInfo(connection.FilePath()).absolutePath();
    const QString proposedName = Clock::Now().toString(QStringLiteral("yyMMdd_hhmmss"));
    const QString path = SaveFileName(this, QStringLiteral("Archivage des Donnees"), folder, proposedName,
                                      QStringLiteral("Archives Quimbels (*.mdb)"), QStringLiteral("mdb"));
    if (path.isEmpty())
        return;

    connection.SetKeepConnection(false);
    bool archived = true;
    try {
        BackupDatabase(connection.Handle(), path);
    } catch (const EQuimbelsError&) {
        archived = false;
    }
    connection.SetKeepConnection(true);
    if (!archived)
        MessageBox(this, QStringLiteral("L'archivage a échoué."), QStringLiteral("Erreur"),
                   TMsgDlgType::Error, mbOK);
}
