#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class BottomLineBevel;
class RichEdit;

// "Opis programu": a formatted description of the electric field and of how to use the program.
class Tform3 : public QDialog {
    Q_OBJECT
  public:
    explicit Tform3(QWidget* owner = nullptr);

    RichEdit* description() const { return RichEdit1; }

  private:
    // Fills RichEdit1 with the description, run by run.
    void FormCreate();

    QLabel* Image2;
    QLabel* Label3;
    QLabel* Label4;
    BottomLineBevel* Bevel1;
    QLabel* StaticText1;
    QLabel* StaticText8;
    RichEdit* RichEdit1;
    QPushButton* OKButton;
};
