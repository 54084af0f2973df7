#pragma once

#include <QColor>
#include <QWidget>

namespace dravicor {

// The card table: the main window's whole client area. For now it shows
// only the table's background colour.
class TableWidget final : public QWidget {
    Q_OBJECT

public:
    explicit TableWidget(QWidget* parent = nullptr);

    QColor background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

}  // namespace dravicor
