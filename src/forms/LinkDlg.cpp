#include "LinkDlg.h"

#include "PictureSize.h"

#include <QLineEdit>

namespace {
// The description's sections.
enum Section { ImageInputs, AppletInputs, SizeAndAlign, TextInput };
} // namespace

CLinkDlg::CLinkDlg(QWidget *parent)
    : CDescribedForm(tarnel::LinkForm(), parent)
{
    auto *imageSource = findChild<QLineEdit *>(QStringLiteral("imageSource"));
    auto *width = findChild<QLineEdit *>(QStringLiteral("width"));
    auto *height = findChild<QLineEdit *>(QStringLiteral("height"));
    connect(this, &CFormDlg::fileBrowsed, this,
            [imageSource, width, height](QLineEdit *field, const QString &path) {
                if (field == imageSource)
                    fillPictureSize(path, width, height);
            });
    showKind(m_fields.kind);
}

void CLinkDlg::setFields(const tarnel::LinkFields &fields)
{
    CDescribedForm::setFields(fields);
    showKind(fields.kind);
}

void CLinkDlg::choose(int option)
{
    showKind(tarnel::LinkKind(option));
}

void CLinkDlg::showKind(tarnel::LinkKind kind)
{
    const tarnel::LinkLayout layout = tarnel::LinkLayoutFor(kind);
    m_fields.kind = kind;
    showChosen(int(kind));
    section(ImageInputs)->setVisible(layout.imageInputs);
    section(AppletInputs)->setVisible(layout.appletInputs);
    section(SizeAndAlign)->setVisible(layout.sizeAndAlign);
    section(TextInput)->setVisible(layout.textInput);
    if (isVisible())
        adjustSize();
}
