#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class BottomLineBevel;

// "O programie": the About box. It only shows; the OK button closes it.
class Tform2 : public QDialog {
    Q_OBJECT
  public:
    explicit Tform2(QWidget* owner = nullptr);

  private:
    QLabel* Image1;
    QLabel* Label2;
    QLabel* Label3;
    BottomLineBevel* Bevel1;
    QLabel* StaticText6;
    QLabel* StaticText8;
    QPlainTextEdit* Memo1;
    QPushButton* OKButton;
    QLabel* Label4;
};
