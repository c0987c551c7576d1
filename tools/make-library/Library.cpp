#include "Library.h"

#include "simulation/cCircuitFile.h"

#include <algorithm>

namespace logivane::library {

namespace {

/// A long combinational table is shown in the datasheet by this many rows spread across it.
constexpr std::size_t ShownRows = 32;

QString Escaped(const QString& text) {
  return text.toHtmlEscaped();
}

QString Cell(int level) {
  return level < 0 ? QStringLiteral("X") : QString::number(level);
}

QString PinoutHtml(const TPart& part, const TFunctionTable& table) {
  QString html = QStringLiteral(
      "<h2>Pinout</h2>\n<table border=\"1\" cellpadding=\"3\">\n"
      "<tr><th>Pin</th><th>Name</th><th>Function</th></tr>\n");
  const std::vector<QString> order = part.Outline.PinOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    const QString& name = order[i];
    QString use = QStringLiteral("not connected");
    if (name == QLatin1String("GND") || name == QLatin1String("VCC")) {
      use = QStringLiteral("supply; not needed in simulation");
    } else if (std::ranges::find(table.Inputs, name) != table.Inputs.end()) {
      use = QStringLiteral("input");
    } else if (std::ranges::find(table.Outputs, name) != table.Outputs.end()) {
      use = QStringLiteral("output");
    }
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                .arg(i + 1)
                .arg(Escaped(name), use);
  }
  html += QStringLiteral("</table>\n");
  if (std::ranges::any_of(order, [](const QString& name) { return name.startsWith(u'/'); })) {
    html += QStringLiteral(
        "<p>A name starting with / is active low, drawn with a bar over it "
        "on the symbol.</p>\n");
  }
  return html;
}

QString FunctionTableHtml(const TFunctionTable& table) {
  QString html = QStringLiteral("<h2>Function table</h2>\n");
  std::vector<std::size_t> shown;
  const std::size_t count = table.Rows.size();
  if (table.Sequential || count <= ShownRows) {
    for (std::size_t i = 0; i < count; ++i) {
      shown.push_back(i);
    }
  } else {
    for (std::size_t i = 0; i < ShownRows; ++i) {
      shown.push_back(i * (count - 1) / (ShownRows - 1));
    }
    html += QStringLiteral(
                "<p>%1 of the %2 input combinations, spread over the whole table."
                "</p>\n")
                .arg(ShownRows)
                .arg(count);
  }
  if (table.Sequential) {
    html += QStringLiteral(
        "<p>One row per half clock cycle, read from top to bottom; "
        "X means the output is not driven.</p>\n");
  }
  html += QStringLiteral("<table border=\"1\" cellpadding=\"3\">\n<tr>");
  for (const QString& name : table.Inputs) {
    html += QStringLiteral("<th>%1</th>").arg(Escaped(name));
  }
  for (const QString& name : table.Outputs) {
    html += QStringLiteral("<th bgcolor=\"#e0e8ff\">%1</th>").arg(Escaped(name));
  }
  html += QStringLiteral("</tr>\n");
  for (const std::size_t i : shown) {
    html += QStringLiteral("<tr>");
    const std::vector<int>& row = table.Rows[i];
    for (std::size_t k = 0; k < row.size(); ++k) {
      html += k < table.Inputs.size()
                  ? QStringLiteral("<td>%1</td>").arg(Cell(row[k]))
                  : QStringLiteral("<td bgcolor=\"#e0e8ff\">%1</td>").arg(Cell(row[k]));
    }
    html += QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table>\n");
}

/// The tag that carries outline pin `name`: the tags inside are numbered as the pins.
QString TagOf(const std::vector<QString>& order, const QString& name) {
  const auto at = std::ranges::find(order, name);
  return QStringLiteral("tag%1").arg(at - order.begin() + 1);
}

/// `cells` joined by spaces, each as wide as the heading above it.
QString TableLine(const QStringList& inputs, const QStringList& outputs,
                  const QStringList& headings) {
  QStringList cells;
  qsizetype column = 0;
  for (const QStringList* side : {&inputs, &outputs}) {
    if (side == &outputs) {
      cells << QStringLiteral("|");
    }
    for (const QString& cell : *side) {
      cells << cell.leftJustified(headings[column++].size());
    }
  }
  return cells.join(u' ').trimmed() + u'\n';
}

/// A comment of `lead` and `items`, separated by commas and broken into lines that a window
/// shows whole.
QString CommentLines(const QString& lead, const QStringList& items) {
  constexpr qsizetype Width = 96;
  QString text;
  QString line = QStringLiteral("# ") + lead;
  for (qsizetype i = 0; i < items.size(); ++i) {
    const QString item =
        items[i] + (i + 1 < items.size() ? QStringLiteral(",") : QStringLiteral("."));
    if (line.size() + 1 + item.size() > Width && line.size() > 1) {
      text += line + u'\n';
      line = QStringLiteral("#");
    }
    line += u' ' + item;
  }
  return text + line + u'\n';
}

std::vector<TPart> MakeParts() {
  std::vector<TPart> parts;
  AddGateParts(parts);
  AddArithmeticParts(parts);
  AddSelectorParts(parts);
  AddStorageParts(parts);
  AddSeriesParts(parts);
  return parts;
}

}  // namespace

TFunctionTable Truth(std::vector<QString> inputs, std::vector<QString> outputs,
                     const TFunction& function) {
  TFunctionTable table{std::move(inputs), std::move(outputs), {}, false};
  const int width = static_cast<int>(table.Inputs.size());
  for (int combination = 0; combination < (1 << width); ++combination) {
    // The first input changes slowest, as a datasheet lists it.
    std::vector<int> row;
    for (int k = width - 1; k >= 0; --k) {
      row.push_back(combination >> k & 1);
    }
    const std::vector<int> out = function(row);
    row.insert(row.end(), out.begin(), out.end());
    table.Rows.push_back(std::move(row));
  }
  return table;
}

std::vector<QString> Names(const QString& stem, int count) {
  std::vector<QString> names;
  for (int i = 0; i < count; ++i) {
    names.push_back(stem + QString::number(i));
  }
  return names;
}

int Value(const std::vector<int>& levels, int from, int count) {
  int value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 1 | levels[static_cast<std::size_t>(from + i)];
  }
  return value;
}

std::vector<int> Bits(int value, int count) {
  std::vector<int> bits;
  for (int i = 0; i < count; ++i) {
    bits.push_back(value >> i & 1);
  }
  return bits;
}

std::unique_ptr<TMacro> TPart::Build() const {
  TSchematic schematic(Outline);
  Draw(schematic);
  return schematic.Finish(Title, DatasheetName());
}

QByteArray TPart::Bytes() const {
  return CircuitBytes(*Build(), Title);
}

QByteArray TPart::Datasheet() const {
  const TFunctionTable table = Table();
  QString html = QStringLiteral(
                     "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                     "<title>%1</title>\n</head>\n<body>\n<h1>%1</h1>\n<p>%2</p>\n")
                     .arg(Escaped(Title), Escaped(Description));
  html += PinoutHtml(*this, table);
  html += FunctionTableHtml(table);
  html += QStringLiteral("</body>\n</html>\n");
  return html.toUtf8();
}

QByteArray TPart::TestTable() const {
  const TFunctionTable table = Table();
  const std::vector<QString> order = Outline.PinOrder();
  QStringList inputs;
  QStringList outputs;
  QStringList pins;
  for (const auto& [names, tags] :
       {std::pair{&table.Inputs, &inputs}, {&table.Outputs, &outputs}}) {
    for (const QString& name : *names) {
      *tags << TagOf(order, name);
      pins << tags->last() + QStringLiteral(" is ") + name;
    }
  }
  const QStringList headings = inputs + outputs;
  QString text = QStringLiteral("# %1: the function table of its datasheet, one row per step%2.\n")
                     .arg(Title, table.Sequential ? QStringLiteral(" in order") : QString());
  text +=
      CommentLines(QStringLiteral("The pins are driven and read through the tags inside:"), pins);
  text += TableLine(inputs, outputs, headings);
  for (const std::vector<int>& row : table.Rows) {
    QStringList cells;
    for (const int level : row) {
      cells << Cell(level);
    }
    text += TableLine(cells.mid(0, inputs.size()), cells.mid(inputs.size()), headings);
  }
  return text.toUtf8();
}

std::span<const TPart> AllParts() {
  static const std::vector<TPart> parts = MakeParts();
  return parts;
}

}  // namespace logivane::library
