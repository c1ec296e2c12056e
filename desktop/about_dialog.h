#pragma once

#include <QDialog>

// "O programie": the About box. It only shows; the OK button closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner = nullptr);
};
