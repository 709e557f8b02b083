#include "tests/ui/shown_texts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QXmlStreamReader>

#include "controls/font_label.h"

namespace {
// Room a push button's frame and a list's arrow take beside the text.
constexpr int kButtonMargin = 6, kComboChrome = 24, kGroupTitleMargin = 12;

QString Where(const QWidget* widget) {
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
}

// A label painted in its own font, word-wrapped in its rectangle.
bool FontLabelClipped(const CFontLabel* label) {
    const QFontMetrics metrics(label->LabelFont());
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 100000),
                                              static_cast<int>(label->Alignment() | Qt::TextWordWrap), label->text());
    return needed.width() > label->width() || needed.height() > label->height();
}

bool LabelClipped(const QLabel* label) {
    if (const auto* own = qobject_cast<const CFontLabel*>(label)) return FontLabelClipped(own);
    if (label->wordWrap()) return label->heightForWidth(label->width()) > label->height();
    return label->sizeHint().width() > label->width();
}

bool ButtonClipped(const QAbstractButton* button) {
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
        return button->sizeHint().width() > button->width();
    const QString shown = QString(button->text()).remove(QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(shown) + kButtonMargin > button->width();
}

void Add(std::vector<ShownText>& texts, const QWidget* widget, const QString& text, bool clipped = false) {
    if (!text.trimmed().isEmpty()) texts.push_back({Where(widget), text, clipped});
}
}  // namespace

std::vector<ShownText> ShownTexts(QWidget* window) {
    std::vector<ShownText> texts;
    Add(texts, window, window->windowTitle());
    Add(texts, window, window->toolTip());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow()) continue;
        Add(texts, widget, widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->pixmap().isNull()) Add(texts, label, label->text(), LabelClipped(label));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            Add(texts, button, button->text(), ButtonClipped(button));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            Add(texts, group, group->title(),
                group->fontMetrics().horizontalAdvance(group->title()) + kGroupTitleMargin > group->width());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                Add(texts, combo, combo->itemText(i),
                    !combo->isEditable() &&
                        combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + kComboChrome > combo->width());
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            Add(texts, edit, edit->placeholderText());
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* item = table->horizontalHeaderItem(c)) Add(texts, table, item->text());
        }
    }
    return texts;
}

QMap<QString, QString> ReadCatalogue(const QString& code) {
    QMap<QString, QString> catalogue;
    QFile file(QStringLiteral(ZANO_I18N_DIR "/zano_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly)) return catalogue;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("message")) id = xml.attributes().value(QLatin1String("id")).toString();
        else if (xml.name() == QLatin1String("translation") && !id.isEmpty()) catalogue.insert(id, xml.readElementText());
    }
    return catalogue;
}
