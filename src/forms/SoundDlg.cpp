#include "SoundDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

CSoundDlg::CSoundDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("Background Sound"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Background Sound Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_source = addBrowseRow(QStringLiteral("Source"), tarnel::kSoundFileFilter, rows);
    m_loop = addTextRow(QStringLiteral("Loop"), rows);
    m_balance = addTextRow(QStringLiteral("Balance"), rows);
    m_volume = addTextRow(QStringLiteral("Volume"), rows);

    m_source->setObjectName(QStringLiteral("source"));
    m_loop->setObjectName(QStringLiteral("loop"));
    m_balance->setObjectName(QStringLiteral("balance"));
    m_volume->setObjectName(QStringLiteral("volume"));
}

void CSoundDlg::readFields()
{
    m_fields.source = text(m_source);
    m_fields.loop = text(m_loop);
    m_fields.balance = text(m_balance);
    m_fields.volume = text(m_volume);
}

std::optional<std::string> CSoundDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
