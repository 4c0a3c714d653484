#pragma once

#include <QDialog>

// The small window shown while the editor starts; the application removes it on the first
// idle pass more than a second after it appeared.
class CSplashWnd : public QDialog
{
    Q_OBJECT
public:
    explicit CSplashWnd(QWidget *owner = nullptr);
    // Creates the window owned by `owner`; false when it cannot be made.
    static CSplashWnd *Create(QWidget *owner);
};
