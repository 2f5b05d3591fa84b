// The main window of the game.
#pragma once

#include <QWidget>

namespace Drietal {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace Drietal
