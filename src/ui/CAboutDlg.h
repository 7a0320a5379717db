#pragma once

#include <QDialog>

namespace ql::ui {

// "About QL-7400": the application icon, the program name and revision, a picture, "OK".
class CAboutDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace ql::ui
