#include "LivePreviewPane.h"

#include "LivePreview.h"
#include "TarnelDoc.h"

#include <QButtonGroup>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tarnel;

namespace {

constexpr const char *kWidthsGroup = "LivePreview/Widths";

QToolButton *barButton(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // the keys stay with the page or the source
    return button;
}

} // namespace

CLivePreviewPane::CLivePreviewPane(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent)
    : CLivePreviewSide(parent)
    , m_document(document)
    , m_preview(new CLivePreview(document, profile))
    , m_area(new QScrollArea(this))
    , m_stage(new QWidget)
    , m_stageLayout(new QHBoxLayout(m_stage))
    , m_widths(new QButtonGroup(this))
    , m_zoomLabel(new QLabel(this))
    , m_layout(remembered())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeBar());
    column->addWidget(m_area, 1);

    m_stageLayout->setContentsMargins(0, 0, 0, 0);
    m_stageLayout->setSpacing(0);
    m_stageLayout->addStretch();
    m_stageLayout->addWidget(m_preview);
    m_stageLayout->addStretch();
    m_stage->setBackgroundRole(QPalette::Mid);
    m_stage->setAutoFillBackground(true);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidgetResizable(true);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setWidget(m_stage);
    setFocusProxy(m_preview);

    // While the page has the keyboard, as in a browser.
    const auto shortcut = [this](const QKeySequence &keys, void (CLivePreviewPane::*zoom)()) {
        auto *s = new QShortcut(keys, this, this, zoom);
        s->setContext(Qt::WidgetWithChildrenShortcut);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &CLivePreviewPane::zoomIn);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), &CLivePreviewPane::zoomIn);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), &CLivePreviewPane::zoomOut);
    auto *actualSize = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this, this,
                                     [this] { setZoomPercent(100); });
    actualSize->setContext(Qt::WidgetWithChildrenShortcut);
    connect(m_preview, &CLivePreview::wheelZoomed, this,
            [this](bool in) { in ? zoomIn() : zoomOut(); });
    // A page loaded afresh starts at the engine's own zoom.
    connect(m_preview, &QWebEngineView::loadFinished, this, [this] { applyLayout(); });
    // A page saved under a name of its own keeps what it was shown at.
    connect(document, &CTarnelDoc::saved, this, &CLivePreviewPane::remember);
    connect(m_preview, &CLivePreview::elementClicked, this, &CLivePreviewSide::elementClicked);
    connect(m_preview, &CLivePreview::elementDoubleClicked, this,
            &CLivePreviewSide::elementDoubleClicked);
    connect(m_preview, &CLivePreview::statusMessage, this, &CLivePreviewSide::statusMessage);
    connect(m_preview, &CLivePreview::textEdited, this, &CLivePreviewSide::textEdited);
    applyLayout();
}

void CLivePreviewPane::followCaret(std::size_t caret)
{
    m_preview->followCaret(caret);
}

void CLivePreviewPane::editTextAtCaret()
{
    m_preview->editTextAtCaret();
}

void CLivePreviewPane::reloadPage()
{
    m_preview->reloadPage();
}

QWidget *CLivePreviewPane::makeBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(1);
    row->addWidget(widthButton(tr("Phone"), PreviewWidth::Phone));
    row->addWidget(widthButton(tr("Tablet"), PreviewWidth::Tablet));
    row->addWidget(widthButton(tr("Full"), PreviewWidth::Full));
    row->addStretch();
    QToolButton *out = barButton(QStringLiteral("\u2212"), tr("Zoom Out (Ctrl+-)"), bar);
    QToolButton *in = barButton(QStringLiteral("+"), tr("Zoom In (Ctrl+=)"), bar);
    connect(out, &QToolButton::clicked, this, &CLivePreviewPane::zoomOut);
    connect(in, &QToolButton::clicked, this, &CLivePreviewPane::zoomIn);
    m_zoomLabel->setObjectName(QStringLiteral("zoom"));
    m_zoomLabel->setToolTip(tr("Zoom (Ctrl+0: 100 %)"));
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    m_zoomLabel->setMinimumWidth(m_zoomLabel->fontMetrics().horizontalAdvance("500 %") + 6);
    row->addWidget(out);
    row->addWidget(m_zoomLabel);
    row->addWidget(in);
    return bar;
}

QAbstractButton *CLivePreviewPane::widthButton(const QString &text, PreviewWidth width)
{
    const std::optional<int> css = CssWidth(width);
    QToolButton *button = barButton(text,
                                    css ? tr("Lay the page out %1 pixels wide").arg(*css)
                                        : tr("Lay the page out as wide as the pane"),
                                    this);
    button->setCheckable(true);
    button->setObjectName(text.toLower());
    m_widths->addButton(button, int(width));
    connect(button, &QToolButton::clicked, this, [this, width] { setPreviewWidth(width); });
    return button;
}

void CLivePreviewPane::setPreviewWidth(PreviewWidth width)
{
    m_layout.width = width;
    applyLayout();
    remember();
}

void CLivePreviewPane::setZoomPercent(int percent)
{
    m_layout.zoomPercent = qBound(kMinZoomPercent, percent, kMaxZoomPercent);
    applyLayout();
    remember();
}

void CLivePreviewPane::zoomIn()
{
    setZoomPercent(ZoomedIn(m_layout.zoomPercent));
}

void CLivePreviewPane::zoomOut()
{
    setZoomPercent(ZoomedOut(m_layout.zoomPercent));
}

void CLivePreviewPane::applyLayout()
{
    const double zoom = m_layout.zoomPercent / 100.0;
    if (!qFuzzyCompare(m_preview->zoomFactor(), zoom))
        m_preview->setZoomFactor(zoom);
    m_zoomLabel->setText(tr("%1 %").arg(m_layout.zoomPercent));
    m_widths->button(int(m_layout.width))->setChecked(true);
    const std::optional<int> css = CssWidth(m_layout.width);
    if (css) {
        // The view is as many device-independent pixels wide as the CSS width zoomed, so the
        // page's viewport is that CSS width.
        const int width = qRound(*css * zoom);
        m_preview->setFixedWidth(width);
        m_stage->setMinimumWidth(width);
        m_stageLayout->setStretch(0, 1);
        m_stageLayout->setStretch(2, 1);
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    } else {
        m_preview->setMinimumWidth(0);
        m_preview->setMaximumWidth(QWIDGETSIZE_MAX);
        m_stage->setMinimumWidth(0);
        m_stageLayout->setStretch(0, 0);
        m_stageLayout->setStretch(2, 0);
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

QString CLivePreviewPane::settingsKey(const QString &path)
{
    const QByteArray absolute = QFileInfo(path).absoluteFilePath().toUtf8();
    return QStringLiteral("%1/%2").arg(
        QLatin1String(kWidthsGroup),
        QString::fromLatin1(QCryptographicHash::hash(absolute, QCryptographicHash::Sha1).toHex()));
}

void CLivePreviewPane::remember() const
{
    // An untitled page has no file to remember it by: it starts at the whole width, 100 %.
    if (m_document->path().isEmpty())
        return;
    // Only what differs from the default is kept, so the profile grows with those pages only.
    QSettings profile;
    if (m_layout == PreviewLayout{})
        profile.remove(settingsKey(m_document->path()));
    else
        profile.setValue(settingsKey(m_document->path()),
                         QString::fromStdString(WritePreviewLayout(m_layout)));
}

PreviewLayout CLivePreviewPane::remembered() const
{
    if (m_document->path().isEmpty())
        return {};
    const QString written = QSettings().value(settingsKey(m_document->path())).toString();
    return ReadPreviewLayout(written.toStdString()).value_or(PreviewLayout{});
}
