// qxmorva-gen-documents <source dir> <data dir>
//
// Writes the installation's documents "Istruzioni.pdf", "Istruzioni_J.pdf"
// and "Dispensa.pdf" from their Markdown texts. Each text opens with up to
// three lines "% title", "% subtitle", "% note" (the title page); the rest is
// Markdown: "#" chapters, "##" and "###" sections, lists, tables and block
// quotes (shown as tinted notes).
//
// Pages are A4: a title page, a contents page for the longer documents, then
// the text with a running head and the page number. The layout is made in
// points (a 72 dpi layout device) with design metrics, so the pages do not
// depend on the screen; the PDF carries fixed dates and fixed metadata, and
// the fonts are written in a fixed order, so two runs over the same texts
// give the same bytes.

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QAbstractTextDocumentLayout>
#include <cmath>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// ----------------------------------------------------------------------------
// Page geometry, in points.

constexpr qreal kPageWidth = 595.276;   // A4
constexpr qreal kPageHeight = 841.890;
constexpr qreal kMarginLeft = 74;
constexpr qreal kMarginRight = 68;
constexpr qreal kMarginTop = 76;
constexpr qreal kMarginBottom = 70;
constexpr qreal kBodyWidth = kPageWidth - kMarginLeft - kMarginRight;
constexpr qreal kBodyHeight = kPageHeight - kMarginTop - kMarginBottom;
constexpr qreal kHeadBaseline = 46;        // running head, from the top
constexpr qreal kFootBaseline = 40;        // page number, from the bottom

// The fixed date the documents carry (PDF form and XMP form, same instant).
constexpr const char* kFixedPdfDate = "20250101000000";
constexpr const char* kFixedXmpDate = "2025-01-01T00:00:00Z";

const QStringList kSerif = {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
const QStringList kSans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};

const QColor kInk(0x1C, 0x1C, 0x1C);
const QColor kAccent(0x1E, 0x4D, 0x5C);    // headings, rules
const QColor kQuiet(0x6B, 0x76, 0x7A);     // running head, page numbers
const QColor kRule(0x9D, 0xB3, 0xBA);
const QColor kNote(0xF3, 0xEF, 0xE4);      // block quotes
const QColor kCode(0xEE, 0xF1, 0xF2);      // code blocks
const QColor kTableHead(0xE4, 0xEC, 0xEE);

QFont font(const QStringList& families, qreal points, QFont::Weight weight = QFont::Normal, bool italic = false) {
  QFont f;
  f.setFamilies(families);
  f.setPointSizeF(points);
  f.setWeight(weight);
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(true);
  return f;
}

// Fonts for text the painter draws itself on the PDF writer: the writer
// resolves point sizes at its own resolution and the painter is already
// scaled from points, so the size is given in the writer's terms.
constexpr int kResolution = 1200;

QFont pageFont(const QStringList& families, qreal points, QFont::Weight weight = QFont::Normal, bool italic = false) {
  return font(families, points * 72.0 / kResolution, weight, italic);
}

// ----------------------------------------------------------------------------
// The documents.

struct DocumentKind {
  const char* source;
  const char* output;
  const char* runningTitle;
  bool chaptersOnNewPage;
  bool contents;
};

const DocumentKind kDocuments[] = {
    {"Istruzioni.md", "Istruzioni.pdf", "QxMorva \u2013 Istruzioni", false, true},
    {"Istruzioni_J.md", "Istruzioni_J.pdf", "QxMorva \u2013 Istruzioni sommarie", false, false},
    {"Dispensa.md", "Dispensa.pdf", "QxMorva \u2013 Dispensa", true, true},
};

struct Source {
  QString title;
  QString subtitle;
  QString note;
  QString body;
};

// The texts are typed with the plain apostrophe; the pages show the
// typographic one, except inside code spans (file names, commands).
QString typographicApostrophes(const QString& text) {
  QString result = text;
  bool code = false;
  for (QChar& c : result) {
    if (c == QLatin1Char('`')) code = !code;
    else if (!code && c == QLatin1Char('\'')) c = QChar(0x2019);
  }
  return result;
}

Source readSource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    std::exit(1);
  }
  const QString text = QString::fromUtf8(file.readAll());
  QStringList lines = text.split(QLatin1Char('\n'));
  Source source;
  QStringList front;
  while (!lines.isEmpty() && lines.first().startsWith(QLatin1String("% "))) front << lines.takeFirst().mid(2).trimmed();
  if (front.size() > 0) source.title = front[0];
  if (front.size() > 1) source.subtitle = front[1];
  if (front.size() > 2) source.note = front[2];
  source.body = typographicApostrophes(lines.join(QLatin1Char('\n')));
  source.title = typographicApostrophes(source.title);
  source.subtitle = typographicApostrophes(source.subtitle);
  source.note = typographicApostrophes(source.note);
  return source;
}

// ----------------------------------------------------------------------------
// Styling the text after Markdown has built it.

// Applies `change` to every character of a block, dropping the relative size
// the Markdown reader gives headings so that the sizes set here hold.
template <typename Change>
void restyleCharacters(QTextDocument& doc, const QTextBlock& block, Change change) {
  QTextCursor cursor(&doc);
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (!fragment.isValid()) continue;
    QTextCharFormat format = fragment.charFormat();
    format.clearProperty(QTextFormat::FontSizeAdjustment);
    change(format);
    cursor.setPosition(fragment.position());
    cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
  QTextCharFormat blockFormat = block.charFormat();
  blockFormat.clearProperty(QTextFormat::FontSizeAdjustment);
  change(blockFormat);
  cursor.setPosition(block.position());
  cursor.setBlockCharFormat(blockFormat);
}

bool insideTable(const QTextBlock& block) {
  QTextCursor cursor(block);
  return cursor.currentTable() != nullptr;
}

void styleHeading(QTextDocument& doc, const QTextBlock& block, int level, bool newPage, bool first) {
  QTextBlockFormat format = block.blockFormat();
  format.setAlignment(Qt::AlignLeft);
  format.setLineHeight(110, QTextBlockFormat::ProportionalHeight);
  QFont face;
  switch (level) {
    case 1:
      face = font(kSans, 18, QFont::Bold);
      format.setTopMargin(first || newPage ? 0 : 26);
      format.setBottomMargin(12);
      if (newPage && !first) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      break;
    case 2:
      face = font(kSans, 12.5, QFont::Bold);
      format.setTopMargin(14);
      format.setBottomMargin(5);
      break;
    default:
      face = font(kSans, 10.5, QFont::Bold, true);
      format.setTopMargin(10);
      format.setBottomMargin(3);
      break;
  }
  QTextCursor(block).setBlockFormat(format);
  restyleCharacters(doc, block, [&](QTextCharFormat& chars) {
    chars.setFont(face, QTextCharFormat::FontPropertiesAll);
    chars.setForeground(kAccent);
  });
}

bool isCode(const QTextCharFormat& chars) {
  return chars.fontFixedPitch() || chars.fontFamilies().toStringList().contains(QStringLiteral("monospace"));
}

// A paragraph made of code only: an indented or fenced code block.
bool isCodeBlock(const QTextBlock& block) {
  if (block.text().isEmpty()) return false;
  for (auto it = block.begin(); !it.atEnd(); ++it)
    if (!isCode(it.fragment().charFormat())) return false;
  return true;
}

void styleBody(QTextDocument& doc, const QTextBlock& block) {
  QTextBlockFormat format = block.blockFormat();
  const bool inTable = insideTable(block);
  const bool quoted = format.hasProperty(QTextFormat::BlockQuoteLevel) && format.intProperty(QTextFormat::BlockQuoteLevel) > 0;
  const bool codeBlock = !inTable && isCodeBlock(block);
  format.setLineHeight(inTable ? 112 : 128, QTextBlockFormat::ProportionalHeight);
  if (inTable) {
    format.setAlignment(Qt::AlignLeft);
    format.setTopMargin(0);
    format.setBottomMargin(0);
  } else if (block.textList()) {
    format.setAlignment(Qt::AlignLeft);
    format.setTopMargin(0);
    format.setBottomMargin(3);
  } else {
    format.setAlignment(Qt::AlignJustify);
    format.setTopMargin(0);
    format.setBottomMargin(6);
  }
  if (quoted || codeBlock) {
    format.setBackground(quoted ? kNote : kCode);
    format.setLeftMargin(14);
    format.setRightMargin(14);
    format.setTopMargin(2);
    format.setBottomMargin(8);
    format.setAlignment(Qt::AlignLeft);
  }
  QTextCursor(block).setBlockFormat(format);

  const qreal textSize = quoted ? 9.8 : inTable ? 9.5 : 11;
  restyleCharacters(doc, block, [&](QTextCharFormat& chars) {
    if (isCode(chars)) {
      chars.setFont(font({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}, textSize * 0.86),
                    QTextCharFormat::FontPropertiesAll);
      chars.setFontFixedPitch(true);
    } else if (quoted || inTable) {
      chars.setFontPointSize(textSize);
    }
  });
}

// The Markdown reader may open a cell with an empty paragraph (after a block
// quote, for one); it would push the cell's text down a line.
void dropEmptyLeadingBlocks(const QTextTableCell& cell) {
  for (;;) {
    QTextCursor cursor = cell.firstCursorPosition();
    const QTextBlock block = cursor.block();
    if (!block.text().isEmpty() || cell.lastCursorPosition().block() == block) return;
    const QTextBlockFormat kept = block.next().blockFormat();
    cursor.deleteChar();  // joins the empty paragraph with the next one
    cursor.setBlockFormat(kept);
  }
}

void styleTables(QTextFrame* frame) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) {
      QTextTableFormat format = table->format();
      // Rules between the rows only, a stronger one under the head row.
      format.setBorder(0);
      format.setBorderCollapse(true);
      format.setCellSpacing(0);
      format.setCellPadding(4);
      format.setTopMargin(4);
      format.setBottomMargin(10);
      format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
      format.setHeaderRowCount(1);
      format.setAlignment(Qt::AlignLeft);
      table->setFormat(format);
      for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
          QTextTableCell cell = table->cellAt(row, column);
          dropEmptyLeadingBlocks(cell);
          QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
          cellFormat.setBottomBorder(row == 0 ? 1.0 : 0.5);
          cellFormat.setBottomBorderBrush(row == 0 ? kAccent : kRule);
          cellFormat.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
          for (auto side : {&QTextTableCellFormat::setTopBorder, &QTextTableCellFormat::setLeftBorder,
                            &QTextTableCellFormat::setRightBorder})
            (cellFormat.*side)(0);
          if (row == 0) cellFormat.setBackground(kTableHead);
          cell.setFormat(cellFormat);
          if (row > 0) continue;
          // The head row in bold.
          QTextCursor cursor = cell.firstCursorPosition();
          cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
          QTextCharFormat bold;
          bold.setFontWeight(QFont::Bold);
          cursor.mergeCharFormat(bold);
        }
      }
    }
    styleTables(child);
  }
}

std::unique_ptr<QTextDocument> buildDocument(const Source& source, const DocumentKind& kind, QPaintDevice* device) {
  auto doc = std::make_unique<QTextDocument>();
  doc->documentLayout()->setPaintDevice(device);
  doc->setUseDesignMetrics(true);
  doc->setDocumentMargin(0);
  doc->setIndentWidth(16);
  doc->setDefaultFont(font(kSerif, 11));
  doc->setMarkdown(source.body, QTextDocument::MarkdownDialectGitHub);

  bool first = true;
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level > 0) {
      styleHeading(*doc, block, level, kind.chaptersOnNewPage, first);
      first = false;
    } else {
      styleBody(*doc, block);
    }
  }
  styleTables(doc->rootFrame());
  // The page size last: setting it lays the whole text out afresh with the
  // formats above (a layout made before them may keep stale lines).
  doc->setPageSize(QSizeF(kBodyWidth, kBodyHeight));
  return doc;
}

// ----------------------------------------------------------------------------
// Pages.

int pageOf(qreal y) { return int(std::floor(y / kBodyHeight + 1e-6)); }

QRectF blockRect(const QTextDocument& doc, const QTextBlock& block) {
  return doc.documentLayout()->blockBoundingRect(block);
}

void breakBefore(const QTextBlock& block) {
  QTextBlockFormat format = block.blockFormat();
  format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  format.setTopMargin(0);
  QTextCursor(block).setBlockFormat(format);
}

bool breaksBefore(const QTextBlock& block) {
  return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

bool isHeading(const QTextBlock& block) { return block.isValid() && block.blockFormat().headingLevel() > 0; }

// The first of the headings that stand right before `block` (itself when
// none does).
QTextBlock headingRunStart(QTextBlock block) {
  while (isHeading(block.previous()) && !insideTable(block.previous())) block = block.previous();
  return block;
}

// A heading left alone at the foot of a page goes to the next one, with the
// headings right above it: at least two lines of text follow a heading on its
// page.
bool moveLonelyHeading(QTextDocument& doc) {
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    if (!isHeading(block) || isHeading(block.previous())) continue;
    QTextBlock text = block.next();
    while (isHeading(text)) text = text.next();
    if (!text.isValid() || breaksBefore(block)) continue;
    const int page = pageOf(blockRect(doc, block).top());
    const QRectF following = blockRect(doc, text);
    const qreal secondLine = text.layout() && text.layout()->lineCount() > 1
                                 ? following.top() + text.layout()->lineAt(1).rect().bottom()
                                 : following.bottom();
    if (pageOf(secondLine - 0.5) > page) {
      breakBefore(block);
      return true;
    }
  }
  return false;
}

// A table that would run over a page boundary, and fits on one page, starts
// on the next page instead, together with the line that introduces it (one
// ending in ":") and the headings above: rows are not split.
bool moveSplitTable(QTextDocument& doc) {
  for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    const QRectF area = doc.documentLayout()->frameBoundingRect(table);
    if (pageOf(area.top()) == pageOf(area.bottom() - 0.5) || area.height() > kBodyHeight * 0.9) continue;
    QTextBlock start;
    const QTextBlock before = doc.findBlock(table->firstPosition() - 1);
    if (isHeading(before)) {
      start = headingRunStart(before);
    } else if (before.isValid() && before.text().trimmed().endsWith(QLatin1Char(':'))) {
      start = isHeading(before.previous()) ? headingRunStart(before.previous()) : before;
    }
    if (start.isValid()) {
      if (breaksBefore(start)) continue;  // already at the top of a page: the group is too long
      breakBefore(start);
      return true;
    }
    QTextTableFormat format = table->format();
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    table->setFormat(format);
    return true;
  }
  return false;
}

void keepTogether(QTextDocument& doc) {
  // One change at a time, laying the text out again after each.
  for (int pass = 0; pass < 60; ++pass)
    if (!moveSplitTable(doc) && !moveLonelyHeading(doc)) return;
}

struct Heading {
  int level;
  QString text;
  int page;  // from 0, within the text pages
};

std::vector<Heading> headings(const QTextDocument& doc) {
  std::vector<Heading> found;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level == 1 || level == 2) found.push_back({level, block.text(), pageOf(blockRect(doc, block).top())});
  }
  return found;
}

void drawCentred(QPainter& painter, const QFont& face, const QColor& colour, qreal y, const QString& text) {
  painter.setFont(face);
  painter.setPen(colour);
  painter.drawText(QRectF(kMarginLeft, y, kBodyWidth, 400), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

// A quiet ornament: the twelve houses of a chart as a ring.
void drawWheel(QPainter& painter, QPointF centre, qreal radius) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kRule, 0.8));
  painter.drawEllipse(centre, radius, radius);
  painter.drawEllipse(centre, radius * 0.78, radius * 0.78);
  painter.setPen(QPen(kRule, 0.5));
  painter.drawEllipse(centre, radius * 0.26, radius * 0.26);
  for (int house = 0; house < 12; ++house) {
    const qreal angle = house * M_PI / 6.0;
    const QPointF direction(std::cos(angle), std::sin(angle));
    painter.drawLine(centre + direction * radius * 0.26, centre + direction * radius);
  }
  painter.setPen(QPen(kAccent, 1.2));
  painter.drawLine(centre - QPointF(radius * 1.18, 0), centre + QPointF(radius * 1.18, 0));
  painter.restore();
}

void drawTitlePage(QPainter& painter, const Source& source) {
  painter.setPen(QPen(kAccent, 1.4));
  painter.drawLine(QPointF(kMarginLeft, 96), QPointF(kPageWidth - kMarginRight, 96));
  QFont brand = pageFont(kSans, 10.5, QFont::Bold);
  brand.setLetterSpacing(QFont::PercentageSpacing, 135);
  drawCentred(painter, brand, kAccent, 108, QStringLiteral("QXMORVA"));

  drawWheel(painter, QPointF(kPageWidth / 2, 265), 72);

  drawCentred(painter, pageFont(kSerif, 30, QFont::Bold), kInk, 392, source.title);
  if (!source.subtitle.isEmpty()) drawCentred(painter, pageFont(kSerif, 15, QFont::Normal, true), kAccent, 448, source.subtitle);

  painter.setPen(QPen(kRule, 0.8));
  painter.drawLine(QPointF(kPageWidth / 2 - 60, 500), QPointF(kPageWidth / 2 + 60, 500));

  if (!source.note.isEmpty()) drawCentred(painter, pageFont(kSerif, 10.5, QFont::Normal, true), kQuiet, 700, source.note);
  painter.setPen(QPen(kAccent, 1.4));
  painter.drawLine(QPointF(kMarginLeft, kPageHeight - 90), QPointF(kPageWidth - kMarginRight, kPageHeight - 90));
  drawCentred(painter, pageFont(kSans, 8.5), kQuiet, kPageHeight - 82,
              QStringLiteral("Documentazione del programma QxMorva"));
}

void drawRunningHead(QPainter& painter, const QString& left, const QString& right, int pageNumber) {
  painter.setFont(pageFont(kSans, 8.2));
  painter.setPen(kQuiet);
  const QRectF head(kMarginLeft, kHeadBaseline - 11, kBodyWidth, 14);
  painter.drawText(head, Qt::AlignLeft | Qt::AlignBottom, left);
  painter.drawText(head, Qt::AlignRight | Qt::AlignBottom, right);
  painter.setPen(QPen(kRule, 0.5));
  painter.drawLine(QPointF(kMarginLeft, kHeadBaseline + 6), QPointF(kPageWidth - kMarginRight, kHeadBaseline + 6));
  painter.setFont(pageFont(kSans, 9));
  painter.setPen(kQuiet);
  painter.drawText(QRectF(kMarginLeft, kPageHeight - kFootBaseline - 12, kBodyWidth, 14), Qt::AlignHCenter | Qt::AlignBottom,
                   QString::number(pageNumber));
}

constexpr qreal kContentsLine = 19;
constexpr qreal kContentsTop = 64;

int contentsPages(const std::vector<Heading>& entries) {
  const int perPage = int((kBodyHeight - kContentsTop) / kContentsLine);
  return std::max(1, int((entries.size() + std::size_t(perPage) - 1) / std::size_t(perPage)));
}

void drawContents(QPainter& painter, const std::vector<Heading>& entries, int firstTextPage, int pageIndex) {
  const int perPage = int((kBodyHeight - kContentsTop) / kContentsLine);
  if (pageIndex == 0) {
    painter.setFont(pageFont(kSans, 18, QFont::Bold));
    painter.setPen(kAccent);
    painter.drawText(QRectF(kMarginLeft, kMarginTop, kBodyWidth, 30), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Indice"));
  }
  qreal y = kMarginTop + kContentsTop;
  const std::size_t begin = std::size_t(pageIndex * perPage);
  for (std::size_t i = begin; i < entries.size() && i < begin + std::size_t(perPage); ++i) {
    const Heading& entry = entries[i];
    const bool chapter = entry.level == 1;
    const QFont face = chapter ? pageFont(kSans, 10.5, QFont::Bold) : pageFont(kSerif, 10.5);
    const qreal indent = chapter ? 0 : 16;
    if (chapter && i != begin) y += 5;
    painter.setFont(face);
    painter.setPen(chapter ? kAccent : kInk);
    const QString number = QString::number(entry.page + firstTextPage);
    const QRectF line(kMarginLeft + indent, y, kBodyWidth - indent, kContentsLine);
    const QFontMetricsF metrics(face, painter.device());
    const qreal textWidth = metrics.horizontalAdvance(entry.text);
    const qreal numberWidth = metrics.horizontalAdvance(number);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, entry.text);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, number);
    // Dot leaders between the entry and its page.
    painter.setPen(QPen(kRule, 0.9, Qt::DotLine));
    const qreal baseline = y + kContentsLine * 0.5 + metrics.ascent() * 0.35;
    const qreal from = kMarginLeft + indent + textWidth + 6;
    const qreal to = kPageWidth - kMarginRight - numberWidth - 6;
    if (to > from) painter.drawLine(QPointF(from, baseline), QPointF(to, baseline));
    y += kContentsLine;
  }
}

QByteArray fixedXmp(const QString& title) {
  QString escaped = title.toHtmlEscaped();
  const QString xmp = QStringLiteral(
                          "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                          "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                          "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
                          "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'>\n"
                          "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
                          "</rdf:Description>\n"
                          "<rdf:Description rdf:about='' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
                          "<xmp:CreatorTool>QxMorva</xmp:CreatorTool>\n"
                          "<xmp:CreateDate>%2</xmp:CreateDate>\n"
                          "<xmp:ModifyDate>%2</xmp:ModifyDate>\n"
                          "<xmp:MetadataDate>%2</xmp:MetadataDate>\n"
                          "</rdf:Description>\n"
                          "</rdf:RDF>\n"
                          "</x:xmpmeta>\n"
                          "<?xpacket end='w'?>\n")
                          .arg(escaped, QLatin1String(kFixedXmpDate));
  return xmp.toUtf8();
}

// The writer stamps the moment of writing into the information dictionary,
// as "D:" and 14 digits followed by "Z" or by an offset such as "+01'00'".
// The stamp becomes the fixed date at the same length, so that every offset
// in the file stays right.
void fixDates(QByteArray& pdf) {
  const QByteArray fixed(kFixedPdfDate);
  for (const QByteArray& key : {QByteArray("/CreationDate (D:"), QByteArray("/ModDate (D:")}) {
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at)) {
      at += key.size();
      const qsizetype end = pdf.indexOf(')', at);
      if (end < at + fixed.size()) break;
      const QByteArray zone = end - (at + fixed.size()) == 7 ? QByteArray("+00'00'") : QByteArray("Z");
      if (end - at != fixed.size() + zone.size()) continue;  // a form this writer does not make: left alone
      pdf.replace(at, fixed.size() + zone.size(), fixed + zone);
      at = end;
    }
  }
}

void renderDocument(const DocumentKind& kind, const Source& source, const QString& outputPath) {
  // The layout device: 72 dpi, so that layout units are points.
  QImage layoutDevice(8, 8, QImage::Format_ARGB32);
  layoutDevice.setDotsPerMeterX(2835);
  layoutDevice.setDotsPerMeterY(2835);

  std::unique_ptr<QTextDocument> doc = buildDocument(source, kind, &layoutDevice);
  keepTogether(*doc);
  const int textPages = doc->pageCount();
  const std::vector<Heading> entries = headings(*doc);
  const int frontPages = 1 + (kind.contents ? contentsPages(entries) : 0);
  const int firstTextPage = frontPages + 1;  // page numbers count the title page as 1

  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(source.title);
    writer.setCreator(QStringLiteral("QxMorva"));
    writer.setDocumentXmpMetadata(fixedXmp(source.title));

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = writer.resolution() / 72.0;
    painter.scale(scale, scale);

    drawTitlePage(painter, source);
    if (kind.contents) {
      for (int page = 0; page < frontPages - 1; ++page) {
        writer.newPage();
        drawRunningHead(painter, QString::fromUtf8(kind.runningTitle), QStringLiteral("Indice"), 2 + page);
        drawContents(painter, entries, firstTextPage, page);
      }
    }

    QString chapter;
    std::size_t nextHeading = 0;
    for (int page = 0; page < textPages; ++page) {
      writer.newPage();
      // The head names the chapter that opens on this page, or else the one
      // that runs on from before.
      QString head = chapter;
      bool opened = false;
      for (; nextHeading < entries.size() && entries[nextHeading].page <= page; ++nextHeading) {
        if (entries[nextHeading].level != 1) continue;
        if (!opened) head = entries[nextHeading].text;
        opened = true;
        chapter = entries[nextHeading].text;
      }
      drawRunningHead(painter, QString::fromUtf8(kind.runningTitle), head, firstTextPage + page);

      painter.save();
      // Exactly the page's share of the text: the next page's first line must not show.
      painter.setClipRect(QRectF(kMarginLeft - 4, kMarginTop, kBodyWidth + 8, kBodyHeight));
      painter.translate(kMarginLeft, kMarginTop - page * kBodyHeight);
      QAbstractTextDocumentLayout::PaintContext context;
      context.clip = QRectF(0, page * kBodyHeight, kBodyWidth, kBodyHeight);
      context.palette.setColor(QPalette::Text, kInk);
      doc->documentLayout()->draw(&painter, context);
      painter.restore();
    }
    painter.end();
  }
  fixDates(bytes);

  QFile out(outputPath);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(outputPath));
    std::exit(1);
  }
  std::printf("%s: %d pages\n", qPrintable(outputPath), frontPages + textPages);
}

}  // namespace

int main(int argc, char** argv) {
  // The writer keeps its fonts in a hash table: a fixed hash seed keeps
  // their order, and so the file's bytes, the same from run to run. The seed
  // is taken before main runs, so the program starts itself again with it,
  // and with the time zone fixed to UTC so that the date stamp has one form.
  if (qgetenv("QT_HASH_SEED") != "0" || qgetenv("TZ") != "UTC") {
    setenv("QT_HASH_SEED", "0", 1);
    setenv("TZ", "UTC", 1);
    execv("/proc/self/exe", argv);
    std::fprintf(stderr, "warning: could not fix the hash seed; the files may differ from run to run\n");
  }
  // The documents are drawn without a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: qxmorva-gen-documents <source dir> <data dir>\n");
    return 2;
  }
  const QString sources = QString::fromLocal8Bit(argv[1]);
  const QString data = QString::fromLocal8Bit(argv[2]);
  for (const DocumentKind& kind : kDocuments) {
    const Source source = readSource(sources + QLatin1Char('/') + QLatin1String(kind.source));
    renderDocument(kind, source, data + QLatin1Char('/') + QLatin1String(kind.output));
  }
  return 0;
}
