#include "TableDlg.h"

#include "colourlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

CTableDlg::CTableDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("Tables"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Table Properties:"), this);
    auto *columns = new QHBoxLayout(group);
    auto *left = new QGridLayout;
    auto *right = new QGridLayout;
    columns->addLayout(left);
    columns->addSpacing(12);
    columns->addLayout(right);
    grid()->addWidget(group, 0, 0);

    m_background =
        addBrowseRow(QStringLiteral("Back Ground"), tarnel::kTableBackgroundFilter, left);
    m_style = addTextRow(QStringLiteral("Style"), left);
    m_border = addTextRow(QStringLiteral("Border"), left);
    m_height = addTextRow(QStringLiteral("Height"), left);
    m_width = addTextRow(QStringLiteral("Width"), left);
    m_title = addTextRow(QStringLiteral("Title"), left);
    m_cellPadding = addTextRow(QStringLiteral("Cell Padding"), left);
    m_cellSpacing = addTextRow(QStringLiteral("Cell Spacing"), left);
    left->setRowStretch(left->rowCount(), 1);

    const QStringList colours = listEntries(tarnel::TableColourList());
    m_columns = addTextRow(QStringLiteral("Columns"), right);
    m_pageSize = addTextRow(QStringLiteral("Page Size"), right);
    m_borderColour = addListRow(QStringLiteral("Border Color"), colours, true, right);
    m_darkBorderColour = addListRow(QStringLiteral("Border Color Dark"), colours, true, right);
    m_lightBorderColour = addListRow(QStringLiteral("Border Color Light"), colours, true, right);
    m_backgroundColour = addListRow(QStringLiteral("BGColor"), colours, true, right);
    m_align = addListRow(QStringLiteral("Align"), listEntries(tarnel::TableAligns()), false, right);
    m_rules = addListRow(QStringLiteral("Rules"), listEntries(tarnel::TableRules()), false, right);
    m_frame =
        addListRow(QStringLiteral("Frames"), listEntries(tarnel::TableFrames()), false, right);

    m_align->setObjectName(QStringLiteral("align"));
    m_background->setObjectName(QStringLiteral("background"));
    m_backgroundColour->setObjectName(QStringLiteral("backgroundColour"));
    m_darkBorderColour->setObjectName(QStringLiteral("darkBorderColour"));
    m_lightBorderColour->setObjectName(QStringLiteral("lightBorderColour"));
    m_borderColour->setObjectName(QStringLiteral("borderColour"));
    m_columns->setObjectName(QStringLiteral("columns"));
    m_rules->setObjectName(QStringLiteral("rules"));
    m_style->setObjectName(QStringLiteral("style"));
    m_frame->setObjectName(QStringLiteral("frame"));
    m_title->setObjectName(QStringLiteral("title"));
    m_border->setObjectName(QStringLiteral("border"));
    m_cellPadding->setObjectName(QStringLiteral("cellPadding"));
    m_cellSpacing->setObjectName(QStringLiteral("cellSpacing"));
    m_pageSize->setObjectName(QStringLiteral("pageSize"));
    m_height->setObjectName(QStringLiteral("height"));
    m_width->setObjectName(QStringLiteral("width"));
}

void CTableDlg::readFields()
{
    m_fields.align = text(m_align);
    m_fields.background = text(m_background);
    m_fields.backgroundColour = text(m_backgroundColour);
    m_fields.darkBorderColour = text(m_darkBorderColour);
    m_fields.lightBorderColour = text(m_lightBorderColour);
    m_fields.borderColour = text(m_borderColour);
    m_fields.columns = text(m_columns);
    m_fields.rules = text(m_rules);
    m_fields.style = text(m_style);
    m_fields.frame = text(m_frame);
    m_fields.title = text(m_title);
    m_fields.border = text(m_border);
    m_fields.cellPadding = text(m_cellPadding);
    m_fields.cellSpacing = text(m_cellSpacing);
    m_fields.pageSize = text(m_pageSize);
    m_fields.height = text(m_height);
    m_fields.width = text(m_width);
}

std::optional<std::string> CTableDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
