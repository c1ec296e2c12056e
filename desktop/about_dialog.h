#pragma once

#include <QDialog>
#include <string_view>

// "O programie": the About box. It only shows; the OK button closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner = nullptr, std::string_view language = "pl");
};
