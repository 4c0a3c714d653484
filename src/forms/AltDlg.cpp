#include "AltDlg.h"

#include <QLineEdit>

CAltDlg::CAltDlg(QWidget *parent)
    : CDescribedForm(tarnel::AltForm(), parent)
{
    // A sentence needs room to be read as it is typed.
    auto *alt = findChild<QLineEdit *>(QStringLiteral("alt"));
    alt->setMinimumWidth(alt->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
}
