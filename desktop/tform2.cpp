#include "desktop/tform2.h"

#include "desktop/dialog_parts.h"
#include "dialogs/dialog_content.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

Tform2::Tform2(QWidget* owner) : QDialog(owner) {
    build_dialog(this, about_dialog());
    Image1 = findChild<QLabel*>(QStringLiteral("Image1"));
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Label3 = findChild<QLabel*>(QStringLiteral("Label3"));
    Bevel1 = findChild<BottomLineBevel*>(QStringLiteral("Bevel1"));
    StaticText6 = findChild<QLabel*>(QStringLiteral("StaticText6"));
    StaticText8 = findChild<QLabel*>(QStringLiteral("StaticText8"));
    Memo1 = findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    OKButton = findChild<QPushButton*>(QStringLiteral("OKButton"));
    Label4 = findChild<QLabel*>(QStringLiteral("Label4"));
}
