#pragma once

#include <QDialog>

class RichEdit;

// "Opis programu": a formatted description of the electric field and of how to use the program.
class DescriptionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DescriptionDialog(QWidget* owner = nullptr);

    RichEdit* description() const { return description_; }

  private:
    // Fills the view with the description, run by run.
    void fill_description();

    RichEdit* description_;
};
