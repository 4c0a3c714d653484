#pragma once

#include "colourtracker.h"
#include "pagecheck.h"

#include <QList>
#include <QObject>

#include <cstddef>
#include <vector>

class CTarnelDoc;

// Checks a document's page once typing pauses and marks what it finds in the text, so every
// source view on it shows the marks. A check runs on a worker thread on a copy of the text;
// a change made meanwhile discards its result, and the next pause checks again (CPausedJob).
class CCheckService : public QObject
{
    Q_OBJECT
public:
    // The document's service, made on first ask; it lives as long as the document.
    static CCheckService *of(CTarnelDoc *document);

    static constexpr int kPauseMs = 500;
    // The marks in the text, for the views to give them a look.
    static constexpr int kErrorIndicator = 20;
    static constexpr int kWarningIndicator = 21;
    static constexpr int kErrorMarker = 18;
    static constexpr int kWarningMarker = 19;

    CTarnelDoc *document() const { return m_doc; }
    // The findings of the last check, in text order: at most the first thousand.
    const std::vector<tarnel::Finding> &findings() const { return m_findings; }
    // How many there were in all.
    std::size_t total() const { return m_total; }
    // False from an edit until its check is in: the findings' offsets may point elsewhere.
    bool upToDate() const { return m_upToDate; }
    // The findings whose range touches [begin, end].
    std::vector<tarnel::Finding> findingsAround(std::size_t begin, std::size_t end) const;
    // Checks at once instead of after the pause.
    void checkNow();
    // Whether the checks list the validator's advice too (View > Show Advice), for every
    // page; stored in the profile. Setting it checks the open pages again.
    static bool showsAdvice();
    static void setShowsAdvice(bool show, const QList<CTarnelDoc *> &documents);

signals:
    void findingsChanged();

private:
    explicit CCheckService(CTarnelDoc *document);
    void textChanged(const tarnel::TextChange &change);
    // Whether the findings, moved along, are still the page's after `change` (then moved).
    bool findingsMoveWith(const tarnel::TextChange &change);
    void markText();

    CTarnelDoc *m_doc;
    class CPausedJob *m_job;
    std::vector<tarnel::Finding> m_findings;
    std::size_t m_total = 0;
    bool m_upToDate = false;
};
