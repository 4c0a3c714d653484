#include "AbbreviationExpander.h"

#include "PageColourer.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "TextSurface.h"

#include <QFile>
#include <QJSEngine>
#include <QLoggingCategory>

using namespace tarnel;

namespace {

// Emmet's CommonJS build expects `module` and `exports`; the function returned calls it with
// the options the editor needs and turns what it throws into an error text.
const char *const kWrapperHead = "(function () { var module = { exports: {} };"
                                 " var exports = module.exports;\n";
const char *const kWrapperTail = R"(
;var emmet = module.exports;
// Resolved snippets are kept here between calls: the first style sheet costs the most.
var cache = {};
return function (abbreviation, stylesheet, nameCase, indent, mark) {
    try {
        return { text: emmet.default(abbreviation, {
            type: stylesheet ? 'stylesheet' : 'markup',
            syntax: stylesheet ? 'css' : 'html',
            maxRepeat: 1000,
            cache: cache,
            options: {
                'output.field': function (index, placeholder) { return mark + (placeholder || ''); },
                'output.tagCase': nameCase,
                'output.attributeCase': nameCase,
                'output.indent': indent
            }
        }) };
    } catch (e) {
        return { error: String(e && e.message ? e.message : e) };
    }
};
})())";

QLoggingCategory::CategoryFilter g_previousFilter = nullptr;

// Qt's script compiler warns that Emmet uses a function before the line declaring it, which
// JavaScript allows and Emmet does on purpose: a warning on every first expansion would only
// hide the ones that matter.
void quietScriptCompiler(QLoggingCategory *category)
{
    if (g_previousFilter)
        g_previousFilter(category);
    if (qstrcmp(category->categoryName(), "qt.qml.compiler") == 0)
        category->setEnabled(QtWarningMsg, false);
}

} // namespace

CAbbreviationExpander::CAbbreviationExpander(CTarnelView *view, CTextSurface &text)
    : QObject(view)
    , m_view(view)
    , m_text(text)
{}

CAbbreviationExpander::~CAbbreviationExpander() = default;

bool CAbbreviationExpander::start()
{
    if (m_engine)
        return m_expand.isCallable();
    Q_INIT_RESOURCE(emmet);
    static const bool quiet =
        (g_previousFilter = QLoggingCategory::installFilter(quietScriptCompiler), true);
    (void)quiet;
    m_engine = std::make_unique<QJSEngine>();
    QFile file(QStringLiteral(":/emmet/emmet.js"));
    if (!file.open(QIODevice::ReadOnly)) {
        m_startError = tr("Emmet is missing from this build.");
        return false;
    }
    const QString source = QLatin1String(kWrapperHead) + QString::fromUtf8(file.readAll()) +
                           QLatin1String(kWrapperTail);
    m_expand = m_engine->evaluate(source, QStringLiteral("emmet.js"));
    if (m_expand.isError() || !m_expand.isCallable()) {
        m_startError = tr("Emmet did not start: %1").arg(m_expand.toString());
        return false;
    }
    return true;
}

CAbbreviationExpander::Result CAbbreviationExpander::expand(const QString &abbreviation,
                                                            AbbreviationSyntax syntax,
                                                            const QString &nameCase,
                                                            const QString &indentUnit)
{
    if (!start())
        return {{}, m_startError};
    const QJSValue result = m_expand.call({abbreviation, syntax == AbbreviationSyntax::Stylesheet,
                                           nameCase, indentUnit, QString(QChar(FieldMark))});
    if (result.isError())
        return {{}, result.toString()};
    if (result.hasProperty(QStringLiteral("error")))
        return {{}, result.property(QStringLiteral("error")).toString()};
    return {result.property(QStringLiteral("text")).toString(), {}};
}

bool CAbbreviationExpander::expandAtCaret(bool asked)
{
    const std::size_t caret = m_text.caret();
    std::optional<Abbreviation> found;
    if (m_text.selectionStart() == m_text.selectionEnd() && !m_view->isReadOnly()) {
        const std::size_t from = caret - std::min(caret, AbbreviationLookBack);
        CPageColourer &colourer = m_view->GetDocument()->colourer();
        found = AbbreviationBefore(m_text.bytes(from, caret - from), caret,
                                   [&colourer](std::size_t p) { return colourer.contextAt(p); });
    }
    if (!found || (!asked && !TabExpands(*found))) {
        if (asked)
            m_view->showStatusMessage(tr("There is no abbreviation at the caret."));
        return false;
    }
    const CPageCodec &codec = m_view->pageCodec();
    // The page's habit shows at its top, as its letter case does.
    const std::string_view top = m_text.bytes(0, std::min(m_text.length(), PageCaseReach));
    const Result result = expand(codec.toText(found->text), found->syntax,
                                 QString::fromLatin1(EmmetNameCase(m_view->pageNameCase())),
                                 QString::fromLatin1(PageIndentUnit(top)));
    if (!result.error.isEmpty()) {
        m_view->showStatusMessage(tr("The abbreviation cannot be expanded: %1").arg(result.error));
        return false;
    }
    const Expansion expansion =
        PrepareExpansion(codec.toPage(result.text), found->lineIndent, m_view->pageLineBreak());
    // The expansion is an undo step of its own: one Undo gives back the abbreviation typed.
    m_view->endTypingRun();
    m_view->replaceBytes(found->start, found->end, expansion.text);
    m_text.moveCaretTo(found->start + expansion.caret);
    // Like an Insert command's, an expansion may bring images, links and headings.
    m_view->rescanOutline();
    return true;
}
