#include "BackColorDlg.h"

#include <QComboBox>
#include <QLineEdit>

CBackColorDlg::CBackColorDlg(QWidget *parent)
    : CDescribedForm(tarnel::BackgroundForm(), parent)
    , m_image(findChild<QLineEdit *>(QStringLiteral("image")))
    , m_colour(findChild<QComboBox *>(QStringLiteral("colour")))
{
    m_colour->setMinimumContentsLength(12);
    choose(int(tarnel::BackgroundChoice::Image));
}

void CBackColorDlg::choose(int option)
{
    const tarnel::BackgroundInputs inputs =
        tarnel::BackgroundInputsFor(tarnel::BackgroundChoice(option));
    m_image->setReadOnly(!inputs.imageEditable);
    m_colour->setEnabled(inputs.colourEnabled);
}
