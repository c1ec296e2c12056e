#pragma once

#include <QDialog>

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

    RichEdit* RichEdit1;
};
