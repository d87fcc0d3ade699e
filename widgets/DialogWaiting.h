#pragma once

#include "ui_DialogWaiting.h"
#include <QDialog>

class QMovie;

// The busy indicator a page shows over itself while its batch runs. It is
// not modal: exec() shows it and returns at once, close() hides it again.
class DialogWaiting : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kSize = 50;

    explicit DialogWaiting(QWidget *parent = nullptr);
    ~DialogWaiting() override;

    bool isAnimating() const;

public Q_SLOTS:
    int exec() override;
    bool close();

private:
    void centreOverParent();

    Ui::DialogWaiting m_ui;
    QMovie *m_movie;
};
