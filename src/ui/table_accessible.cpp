#include "ui/table_accessible.h"

#include <map>
#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "engine/keyboard_focus.h"
#include "engine/table_speech.h"
#include "ui/qt_text.h"
#include "ui/table_widget.h"

namespace dravicor {

namespace {

int KeyOf(PileId pile) { return static_cast<int>(pile.kind) * 100 + pile.number; }

std::vector<PileId> PilesOf(const TableWidget* table) {
    if (table == nullptr || table->engine() == nullptr) return {};
    return PilesInReadingOrder(*table->engine());
}

bool HasKeyFocus(const TableWidget* table, PileId pile) {
    if (table == nullptr || !table->hasFocus() || table->keyboard() == nullptr) return false;
    const auto focus = table->keyboard()->focus();
    return focus && focus->pile == pile;
}

// One pile: an item of the table's list, without an object of its own.
class PileAccessible final : public QAccessibleInterface {
public:
    PileAccessible(TableWidget* table, PileId pile) : table_(table), pile_(pile) {}

    bool isValid() const override { return table_ && table_->engine() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(table_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        if (kind == QAccessible::Name) return ToQString(DescribePile(*table_->engine(), pile_));
        if (kind == QAccessible::Description && HasKeyFocus(table_, pile_)) return table_->announcement();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    // The pile's place and every card of it, on the screen.
    QRect rect() const override {
        if (!isValid()) return {};
        const Engine& engine = *table_->engine();
        const TableGeometry table = engine.geometry();
        const Size card = engine.cardSize();
        Rect area = Rect::At(table.pileOrigin(pile_), card);
        const Pile& cards = engine.position().piles.pile(pile_);
        for (int skip = 0; skip < cards.size(); ++skip) area = area.united(Rect::At(table.cardPosition(pile_, skip), card));
        const QRect local(table_->toWindow({area.left, area.top}), table_->toWindow({area.right, area.bottom}));
        return QRect(table_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = HasKeyFocus(table_, pile_);
        state.invisible = !isValid();
        return state;
    }

private:
    QPointer<TableWidget> table_;
    PileId pile_;
};

// The table: a list of its piles; its description is the last announcement.
class TableAccessible final : public QAccessibleWidget {
public:
    explicit TableAccessible(TableWidget* table) : QAccessibleWidget(table, QAccessible::List) {}
    ~TableAccessible() override {
        for (const auto& [key, id] : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return QStringLiteral("Card table");
        if (kind == QAccessible::Description) return table()->announcement();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return static_cast<int>(PilesOf(table()).size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<PileId> piles = PilesOf(table());
        if (index < 0 || index >= static_cast<int>(piles.size())) return nullptr;
        return pileInterface(piles[static_cast<size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<PileId> piles = PilesOf(table());
        for (size_t i = 0; i < piles.size(); ++i) {
            const auto found = ids_.find(KeyOf(piles[i]));
            if (found != ids_.end() && QAccessible::accessibleInterface(found->second) == child) return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* pile = child(i);
            if (pile->rect().contains(x, y)) return pile;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const TableWidget* widget = table();
        if (!widget->hasFocus() || widget->keyboard() == nullptr) return nullptr;
        const auto focus = widget->keyboard()->focus();
        return focus ? pileInterface(focus->pile) : nullptr;
    }

    QAccessibleInterface* pileInterface(PileId pile) const {
        const auto found = ids_.find(KeyOf(pile));
        if (found != ids_.end()) return QAccessible::accessibleInterface(found->second);
        auto* made = new PileAccessible(const_cast<TableWidget*>(table()), pile);
        ids_.emplace(KeyOf(pile), QAccessible::registerAccessibleInterface(made));
        return made;
    }

    // The piles whose names differ from those last told; none the first
    // time, when the reader has just read them all.
    std::vector<PileId> renamedPiles() {
        const bool first = names_.empty();
        std::vector<PileId> renamed;
        for (const PileId pile : PilesOf(table())) {
            QString name = ToQString(DescribePile(*table()->engine(), pile));
            QString& told = names_[KeyOf(pile)];
            if (told != name) {
                told = std::move(name);
                renamed.push_back(pile);
            }
        }
        return first ? std::vector<PileId>{} : renamed;
    }

private:
    const TableWidget* table() const { return static_cast<const TableWidget*>(object()); }

    mutable std::map<int, QAccessible::Id> ids_;
    std::map<int, QString> names_;
};

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
    auto* table = qobject_cast<TableWidget*>(object);
    return table != nullptr ? new TableAccessible(table) : nullptr;
}

TableAccessible* ViewOf(TableWidget& table) {
    if (!QAccessible::isActive() || table.engine() == nullptr) return nullptr;
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&table));
}

}  // namespace

void InstallTableAccessibility() { QAccessible::installFactory(TableFactory); }

void TellReadersFocus(TableWidget& table, PileId pile) {
    TableAccessible* view = ViewOf(table);
    if (view == nullptr || !table.hasFocus()) return;
    QAccessibleEvent event(view->pileInterface(pile), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void TellReadersAnnouncement(TableWidget& table) {
    TableAccessible* view = ViewOf(table);
    if (view == nullptr) return;
    QAccessibleEvent event(&table, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    // The item with the focus says it too, for readers that follow the focus only.
    if (QAccessibleInterface* focused = view->focusChild()) {
        QAccessibleEvent itemEvent(focused, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&itemEvent);
    }
}

void TellReadersTableChanged(TableWidget& table) {
    TableAccessible* view = ViewOf(table);
    if (view == nullptr) return;
    for (const PileId pile : view->renamedPiles()) {
        QAccessibleEvent event(view->pileInterface(pile), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace dravicor
