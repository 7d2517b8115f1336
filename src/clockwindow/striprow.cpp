#include "clockwindow/striprow.h"

#include "clockwindow/celllabel.h"
#include "clockwindow/stripcolours.h"

StripRow::StripRow(Kind kind, const QFont &desktopFont, QColor background)
    : m_kind(kind)
    , m_background(background)
    , m_textColour(StripColours::textColourOn(background))
    , m_measure(desktopFont)
    , m_size{m_measure.desktopPointSize(), 0}
    , m_font(desktopFont)
{
    if (m_kind == Kind::Ticking || m_kind == Kind::Dates)
        m_pieces = std::make_unique<TextPieces>(m_font, m_textColour);
}

StripRow::~StripRow() = default;

std::unique_ptr<StripRow> StripRow::recoloured(QColor background) const
{
    auto row = std::make_unique<StripRow>(m_kind, m_font, background);
    row->m_measure = m_measure;
    row->m_size = m_size;
    row->m_ticksFitWhole = m_ticksFitWhole;
    if (row->m_pieces)
        row->m_pieces = std::make_unique<TextPieces>(m_font, row->m_textColour);
    return row;
}

void StripRow::fit(const QStringList &samples)
{
    if (m_cells.isEmpty())
        return;
    QStringList texts = samples;
    for (const CellLabel *cell : m_cells)
        texts.append(cell->text());
    if (texts == m_fittedTexts)
        return;
    m_fittedTexts = texts;

    QList<RowCell> cells;
    const CellBox sampleBox = m_cells.first()->box();
    for (const QString &sample : samples)
        cells.append({sample, sampleBox});
    for (const CellLabel *cell : m_cells) {
        if (!cell->text().isEmpty())
            cells.append({cell->text(), cell->box()});
    }
    const bool digitsVary = m_kind == Kind::Ticking;
    const RowTextSize size =
        CellText::chooseRowSize(cells, m_measure.desktopPointSize(), digitsVary, m_measure);
    bool ticksFitWhole = digitsVary && !samples.isEmpty();
    for (const QString &sample : samples) {
        const QString widest = CellText::widestDigitForm(sample, size.pointSize, m_measure);
        if (CellText::plan(widest, sampleBox, size, m_measure).elided)
            ticksFitWhole = false;
    }
    if (size == m_size && ticksFitWhole == m_ticksFitWhole)
        return;
    m_ticksFitWhole = ticksFitWhole;
    if (size != m_size) {
        m_size = size;
        m_font = m_measure.font(size.pointSize);
        if (m_pieces)
            m_pieces = std::make_unique<TextPieces>(m_font, m_textColour);
    }
    for (CellLabel *cell : m_cells)
        cell->rowChanged();
}
