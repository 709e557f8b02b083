#include "tests/ui/shown_texts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>

#include "controls/font_label.h"
#include "tests/support/ts_catalogue.h"

namespace {
// Room a push button's frame and a list's arrow take beside the text.
constexpr int kButtonMargin = 6, kComboChrome = 24, kGroupTitleMargin = 12;

QString Where(const QWidget* w) { return QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName(); }

bool LabelClipped(const QLabel* label) {
    if (const auto* own = qobject_cast<const CFontLabel*>(label)) {  // its own font, word-wrapped in its rectangle
        const QRect needed = QFontMetrics(own->LabelFont()).boundingRect(
            QRect(0, 0, own->width(), 100000), static_cast<int>(own->Alignment() | Qt::TextWordWrap), own->text());
        return needed.width() > own->width() || needed.height() > own->height();
    }
    if (label->wordWrap()) return label->heightForWidth(label->width()) > label->height();
    return label->sizeHint().width() > label->width();
}

bool ButtonClipped(const QAbstractButton* button) {
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
        return button->sizeHint().width() > button->width();
    const QString shown = QString(button->text()).remove(QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(shown) + kButtonMargin > button->width();
}

// Words that are the same in every language: the languages' own names, a
// model's name, a unit.
const QSet<QString> kSameEverywhere = {QStringLiteral("Português"), QStringLiteral("English"),
                                       QStringLiteral("Español"), QStringLiteral("Q5100 plus"),
                                       QStringLiteral("rpm")};

// Only words can be left untranslated: "Q7100", "RPM", "12.5 V" cannot, nor
// a serial device as the system describes it.
bool HasWords(const QString& text) {
    static const QRegularExpression kWord(QStringLiteral("\\p{Ll}{3}"));
    return !text.contains(QLatin1String("/dev/")) && text.contains(kWord);
}

void Add(std::vector<ShownText>& texts, const QWidget* widget, const QString& text, bool clipped = false) {
    if (!text.trimmed().isEmpty()) texts.push_back({Where(widget), text, clipped});
}
}  // namespace

std::vector<ShownText> ShownTexts(QWidget* window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);  // a banner just shown is laid out
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

void ExpectTranslatedAndFitting(const std::string& what,
                                const std::function<std::vector<ShownText>(UiLanguage, const char* code)>& walk) {
    QSet<QString> portuguese;
    for (const ShownText& shown : walk(UiLanguage::Portuguese, "pt_BR")) {
        portuguese.insert(shown.text);
        EXPECT_FALSE(shown.clipped) << "cut off: pt_BR " << what << ", " << shown.where.toStdString() << ": \""
                                    << shown.text.toStdString() << "\"";
    }
    const std::pair<UiLanguage, const char*> languages[] = {{UiLanguage::English, "en"}, {UiLanguage::Spanish, "es"}};
    for (const auto& [language, code] : languages) {
        QMap<QString, QString> catalogue;
        for (const CatalogueMessage& m : ReadCatalogueFile(QStringLiteral(ZANO_I18N_DIR "/zano_%1.ts").arg(QLatin1String(code))))
            catalogue.insert(m.id, m.translation);
        ASSERT_FALSE(catalogue.isEmpty()) << code;
        for (const ShownText& shown : walk(language, code)) {
            const std::string context =
                std::string(code) + " " + what + ", " + shown.where.toStdString() + ": \"" + shown.text.toStdString() + "\"";
            const bool sameInCatalogue = catalogue.value(shown.text) == shown.text;
            EXPECT_FALSE(catalogue.contains(shown.text) && !sameInCatalogue) << "left in Portuguese: " << context;
            EXPECT_FALSE(portuguese.contains(shown.text) && HasWords(shown.text) && !sameInCatalogue &&
                         !kSameEverywhere.contains(shown.text))
                << "never translated: " << context;
            EXPECT_FALSE(shown.clipped) << "cut off: " << context;
        }
    }
}
