#include "MetaDlg.h"

#include <QLineEdit>

CMetaDlg::CMetaDlg(QWidget *parent)
    : CDescribedForm(tarnel::MetaForm(), parent)
{
    // An address needs room to be read.
    auto *url = findChild<QLineEdit *>(QStringLiteral("url"));
    url->setMinimumWidth(url->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
}
