#include "EditorAccessibility.h"

#include <Qsci/qsciscintillabase.h>

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

bool installed = false;

QAccessibleInterface *plainEditorInterface(const QString &, QObject *object)
{
    if (QAccessible::isActive())
        return nullptr;
    auto *surface = qobject_cast<QsciScintillaBase *>(object);
    if (!surface)
        return nullptr;
    return new QAccessibleWidget(surface, QAccessible::EditableText);
}

} // namespace

void installEditorAccessibility()
{
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(plainEditorInterface);
}

void removeEditorAccessibility()
{
    if (!installed)
        return;
    installed = false;
    QAccessible::removeFactory(plainEditorInterface);
}
