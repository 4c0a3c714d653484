#pragma once

#include <QDialog>

// "About Tarnel": the icon, the version line and one more line.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
