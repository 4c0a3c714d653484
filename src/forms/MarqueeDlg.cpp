#include "MarqueeDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

CMarqueeDlg::CMarqueeDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("MARQUEE"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Marquee Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_behaviour = addListRow(QStringLiteral("Behaviour"), listEntries(tarnel::MarqueeBehaviours()),
                             false, rows);
    m_dataFormat = addListRow(QStringLiteral("Data Format"),
                              listEntries(tarnel::MarqueeDataFormats()), false, rows);
    m_direction = addListRow(QStringLiteral("Direction"), listEntries(tarnel::MarqueeDirections()),
                             false, rows);
    m_height = addTextRow(QStringLiteral("Height"), rows);
    m_width = addTextRow(QStringLiteral("Width"), rows);
    m_loop = addTextRow(QStringLiteral("Loop"), rows);
    m_scrollDelay = addTextRow(QStringLiteral("Scroll Delay"), rows);
    m_hspace = addTextRow(QStringLiteral("HSpace"), rows);
    m_vspace = addTextRow(QStringLiteral("VSpace"), rows);

    m_behaviour->setObjectName(QStringLiteral("behaviour"));
    m_dataFormat->setObjectName(QStringLiteral("dataFormat"));
    m_direction->setObjectName(QStringLiteral("direction"));
    m_height->setObjectName(QStringLiteral("height"));
    m_width->setObjectName(QStringLiteral("width"));
    m_loop->setObjectName(QStringLiteral("loop"));
    m_scrollDelay->setObjectName(QStringLiteral("scrollDelay"));
    m_hspace->setObjectName(QStringLiteral("hspace"));
    m_vspace->setObjectName(QStringLiteral("vspace"));
}

void CMarqueeDlg::readFields()
{
    m_fields.behaviour = text(m_behaviour);
    m_fields.dataFormat = text(m_dataFormat);
    m_fields.direction = text(m_direction);
    m_fields.height = text(m_height);
    m_fields.width = text(m_width);
    m_fields.loop = text(m_loop);
    m_fields.scrollDelay = text(m_scrollDelay);
    m_fields.hspace = text(m_hspace);
    m_fields.vspace = text(m_vspace);
}

std::optional<std::string> CMarqueeDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
