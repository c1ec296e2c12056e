#pragma once

#include <QDialog>
#include <string_view>

class RichEdit;

// "Opis programu": a formatted description of the electric field and of how to use the program.
class DescriptionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DescriptionDialog(QWidget* owner = nullptr, std::string_view language = "pl");

    RichEdit* description() const { return description_; }

  private:
    // Fills the view with the description, run by run.
    void fill_description(std::string_view language);

    RichEdit* description_;
};
