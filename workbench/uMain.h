// TfmKalmira: the workbench's main window.
#pragma once

#include <QMainWindow>

namespace kalmira {

class TfmKalmira final : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmKalmira(QWidget* parent = nullptr);
    ~TfmKalmira() override;
};

}  // namespace kalmira
