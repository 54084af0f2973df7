#include "rules/legality.h"

#include <algorithm>

#include "rules/rule_codes.h"

namespace dravicor {

int CardSuitIndex(int card) {
    if (card == 0 || card == -1) return 0;
    if (!IsCard(card)) return -1;
    return ((card - 1) % kCardsPerDeck) / 13;
}

bool IsRedCard(int card) { return IsCard(card) && CardSuitIndex(card) <= 1; }

bool IsFaceCard(int card) { return IsCard(card) && CardRank(card) >= 11; }

namespace {

// Empty slots keep a pile's places but are not cards: every count and every
// "bottom card" below skips them.
int CountCards(const Pile& pile) {
    int count = 0;
    for (const CardNumber card : pile.groups()) count += card != kNoCard ? 1 : 0;
    return count;
}

bool HoldsCards(const Pile& pile) {
    for (const CardNumber card : pile.groups()) {
        if (card != kNoCard) return true;
    }
    return false;
}

int BottomCard(const Pile& pile) {
    for (const CardNumber card : pile.groups()) {
        if (card != kNoCard) return card;
    }
    return kNoCard;
}

// The card `depth` places below the top card (0 the top card), or 0.
int CardFromTop(const Pile& pile, int depth) {
    const auto& groups = pile.groups();
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
        if (*it == kNoCard) continue;
        if (depth == 0) return *it;
        --depth;
    }
    return kNoCard;
}

bool IsTopOf(const Pile& pile, int card) { return !pile.empty() && pile.top() == card; }

const Pile* FoundationAt(const PileLists& piles, int index) {
    return index >= 0 && index < kFoundationCount ? &piles.foundations[static_cast<size_t>(index)] : nullptr;
}

const Pile* TableauAt(const PileLists& piles, int index) {
    return index >= 0 && index < kTableauCount ? &piles.tableau[static_cast<size_t>(index)] : nullptr;
}

// A count parameter of the rules limited to the lists' capacity.
int CountParameter(const GameRules& rules, int index, int capacity) {
    return std::clamp(static_cast<int>(rules[index]), 0, capacity);
}

bool FromTableau(int location) { return location >= 1 && location <= kTableauCount; }
bool FromReserve(int location) { return location <= -21 && location >= -20 - kReserveCount; }
bool FromFoundation(int location) { return location <= -1 && location >= -kFoundationCount; }

bool SameSuit(int a, int b) { return CardSuitIndex(a) == CardSuitIndex(b); }
bool SameColour(int a, int b) { return IsRedCard(a) == IsRedCard(b); }

// Step 1 of the common rule on a card: the suit relation the building code asks for.
bool SuitFilterPasses(int code, int cardA, int cardB) {
    switch (static_cast<BuildCode>(code)) {
        case BuildCode::SameSuit:
        case BuildCode::SameSuitNoQueenOnKingOrJack: return SameSuit(cardA, cardB);
        case BuildCode::SameColour: return SameColour(cardA, cardB);
        case BuildCode::AlternateColours:
        case BuildCode::AlternateNotFromFoundationOrReserve: return !SameColour(cardA, cardB);
        case BuildCode::EmptyPileOnly: return false;
        case BuildCode::NeverSameSuit: return !SameSuit(cardA, cardB);
        default: return true;
    }
}

// The rank every started foundation begins with; any rank while none has
// started. False when the started ones disagree with b.
bool MatchesFoundationBase(int b, const PlaceContext& context) {
    const int count = CountParameter(context.rules, Rule::FoundationCount, kFoundationCount);
    for (int i = 0; i < count; ++i) {
        const int bottom = BottomCard(context.position.piles.foundations[static_cast<size_t>(i)]);
        if (bottom != kNoCard && CardRank(bottom) != b) return false;
    }
    return true;
}

bool EmptyPileAccepts(int cardB, int b, const PileRules& pile, const PlaceContext& context) {
    const int e = pile.firstCard;
    const PileLists& piles = context.position.piles;
    switch (e) {
        case FirstCard::BalancedAce: return b == 1 && FoundationGroupAccepts(e, cardB, piles, context.rules);
        case FirstCard::ClosedStopAtAce:
        case FirstCard::ClosedStopAtAceToo: return false;
        case FirstCard::BalancedKingBySuit: return b == 13 && FoundationGroupAccepts(e, cardB, piles, context.rules);
        case FirstCard::BalancedAceBySuit: return b == 1 && FoundationGroupAccepts(e, cardB, piles, context.rules);
        case FirstCard::PointerCondition: return context.pointerConditionMet;
        case FirstCard::FromStockOrWaste:
            return context.sourceLocation == kLocationStock || context.sourceLocation == kLocationWaste ||
                   context.sourceLocation == kLocationNowhere;
        case FirstCard::FoundationBase: return MatchesFoundationBase(b, context);
        default: break;
    }
    // A stop rank of -1 (a game without a base rank) opens every ordinary empty pile.
    if (pile.stopRank == -1) return true;
    if (e == FirstCard::AnyCard) return true;
    if (e == FirstCard::Nothing) return false;
    return b == e;  // 1 to 13, and any other value as a rank (which may match nothing)
}

// Direction 3: the way every foundation of that direction goes, set by
// the first of them to hold a second card; either way before.
int ChosenDirection(const PlaceContext& context) {
    const int count = CountParameter(context.rules, Rule::FoundationCount, kFoundationCount);
    for (int i = 0; i < count; ++i) {
        if (context.rules[Rule::FoundationDirection + i] != BuildDirection::ChosenByFirstCard) continue;
        int first = kNoCard;
        for (const CardNumber card : context.position.piles.foundations[static_cast<size_t>(i)].groups()) {
            if (card == kNoCard) continue;
            if (first == kNoCard) {
                first = card;
                continue;
            }
            return CardRank(card) == CardRank(first) % 13 + 1 ? BuildDirection::Up : BuildDirection::Down;
        }
    }
    return BuildDirection::Either;
}

// The rule shared by most building codes: the suit filter, then the
// direction, the foundation wrap and the tableau stop rank.
bool CommonRule(int cardA, int cardB, int a, int b, const PileRules& pile, const PlaceContext& context) {
    if (a <= 0) return EmptyPileAccepts(cardB, b, pile, context);
    if (!SuitFilterPasses(pile.build, cardA, cardB)) return false;

    // King and Ace are neighbours both ways, on every rank.
    if (pile.direction == BuildDirection::EitherWrapping) return b == a % 13 + 1 || a == b % 13 + 1;
    const int d = pile.direction == BuildDirection::ChosenByFirstCard ? ChosenDirection(context) : pile.direction;
    bool up = false;
    if (d == BuildDirection::Up || d == BuildDirection::Either) {
        // On a foundation a King continues with an Ace unless the foundation starts with Aces.
        up = pile.wrap && a == 13 ? b == 1 && pile.firstCard != 1 : b == a + 1;
    }
    if (d != BuildDirection::Down && d != BuildDirection::Either) return up;
    if (d == BuildDirection::Either && up) return true;

    if (pile.wrap) return a == 1 ? b == 13 && pile.firstCard != 13 : b == a - 1;
    const bool atStop = a == pile.stopRank || (a == 1 && StopsAtAce(pile.stopRank));
    if (atStop && !pile.stopLifted) return false;
    return a == 1 ? b == 13 : b == a - 1;
}

// Code 5, the foundation row: the pile keeps the suit of its bottom card,
// and a rank may only be laid once the foundation before already holds it.
bool FoundationRowAccepts(int cardB, int b, int p, const PlaceContext& context) {
    const Pile* own = FoundationAt(context.position.piles, p);
    if (own == nullptr) return false;
    const int bottom = BottomCard(*own);
    if (bottom == kNoCard) {
        if (b != context.rules[Rule::FoundationFirstCard + p]) return false;
    } else if (!SameSuit(bottom, cardB)) {
        return false;
    }
    if (p == 0) return true;
    const Pile& previous = context.position.piles.foundations[static_cast<size_t>(p - 1)];
    for (const CardNumber card : previous.groups()) {
        if (card != kNoCard && CardRank(card) == b) return true;
    }
    return false;
}

// Code 29: up to the King, one more King, then down again.
bool UpThenDownAccepts(int cardA, int cardB, int a, int b, int p, const PlaceContext& context) {
    if (!SameSuit(cardA, cardB)) return false;
    const Pile* foundation = FoundationAt(context.position.piles, p);
    const int held = foundation != nullptr ? CountCards(*foundation) : 0;
    if (held < 13) return b == a + 1;
    if (held == 13) return b == 13;
    return b == a - 1;
}

// Code 30: one step either way in suit, but once the pile holds two cards
// it keeps the direction its top two cards set.
bool FollowsPileDirection(int cardA, int cardB, int a, int b, int p, const PlaceContext& context) {
    if (!SameSuit(cardA, cardB)) return false;
    const Pile* pile = TableauAt(context.position.piles, p);
    if (pile != nullptr && CountCards(*pile) >= 2) {
        const int second = CardFromTop(*pile, 1);
        return CardRank(second) <= a ? b == a + 1 : b == a - 1;
    }
    return b == a + 1 || b == a - 1;
}

}  // namespace

bool IsTopCard(const PileLists& piles, int card) {
    if (!IsCard(card)) return false;
    for (const Pile& pile : piles.tableau) {
        if (IsTopOf(pile, card)) return true;
    }
    for (const Pile& pile : piles.reserves) {
        if (IsTopOf(pile, card)) return true;
    }
    return false;
}

bool EndsInWholeRun(const Pile& pile, const CardTable& faces, int firstCard) {
    if (!IsWholeRunFoundation(firstCard) || pile.size() < kWholeRunCards || CardRank(pile.top()) != 1) return false;
    const int king = pile.size() - kWholeRunCards;
    for (int i = king; i < pile.size(); ++i) {
        const int card = pile[i];
        if (!IsCard(card) || faces.IsFaceDown(card) || CardRank(card) != 13 - (i - king)) return false;
        if (i == king) continue;
        const int below = pile[i - 1];
        const bool linked = firstCard == FirstCard::WholeSuit ? SameSuit(below, card) : !SameColour(below, card);
        if (!linked) return false;
    }
    return true;
}

int CardLocation(const PileLists& piles, int card) {
    if (!IsCard(card)) return kLocationNowhere;
    if (piles.stock[0].contains(card)) return kLocationStock;
    if (piles.stock[1].contains(card)) return kLocationWaste;
    for (int i = 0; i < kFoundationCount; ++i) {
        if (piles.foundations[static_cast<size_t>(i)].contains(card)) return -(i + 1);
    }
    for (int t = 0; t < kTableauCount; ++t) {
        if (piles.tableau[static_cast<size_t>(t)].contains(card)) return t + 1;
    }
    for (int r = 0; r < kReserveCount; ++r) {
        if (piles.reserves[static_cast<size_t>(r)].contains(card)) return -(21 + r);
    }
    return kLocationNowhere;
}

PileRules FoundationDropRules(const GameRules& rules, int foundation) {
    PileRules pile;
    pile.firstCard = rules[Rule::FoundationFirstCard + foundation];
    pile.stopRank = rules[Rule::FoundationFirstCard + foundation];
    pile.direction = rules[Rule::FoundationDirection + foundation];
    pile.build = rules[Rule::FoundationBuild + foundation];
    pile.wrap = true;
    pile.stopLifted = true;
    return pile;
}

PileRules FoundationAutoRules(const GameRules& rules, int foundation) {
    PileRules pile = FoundationDropRules(rules, foundation);
    pile.stopRank = rules[Rule::StopRank];
    return pile;
}

PileRules TableauRules(const GameRules& rules, int tableau) {
    PileRules pile;
    pile.firstCard = rules[Rule::TableauEmptyAccepts + tableau];
    pile.stopRank = rules[Rule::StopRank];
    pile.direction = rules[Rule::TableauDirection + tableau];
    pile.build = rules[Rule::TableauBuild + tableau];
    pile.wrap = false;
    pile.stopLifted = rules[Rule::TableauStopLifted + tableau] > 0;
    return pile;
}

bool CanPlaceOn(int cardA, int cardB, const PileRules& pile, PileId target, bool drop, const PlaceContext& context) {
    // Only a real card can be laid; without this, rules comparing ranks
    // would take "no card" for a card of rank 0 or -1.
    if (cardA == cardB || !IsCard(cardB)) return false;
    // The whole-run foundations take no card; the game lays runs there.
    if (target.kind == PileKind::Foundation && IsWholeRunFoundation(pile.firstCard)) return false;
    const int a = CardRank(cardA);
    const int b = CardRank(cardB);
    const bool onCard = a >= 1;
    const int p = target.number - 1;
    const int source = context.sourceLocation;
    const PileLists& piles = context.position.piles;

    switch (static_cast<BuildCode>(pile.build)) {
        case BuildCode::Never: return false;
        case BuildCode::FoundationRow: return FoundationRowAccepts(cardB, b, p, context);
        case BuildCode::DropOnlyWhenStockEmpty:
            if (drop) {
                if (onCard || HoldsCards(piles.stock[0])) return false;
            }
            return CommonRule(cardA, cardB, a, b, pile, context);
        case BuildCode::SameSuitNoQueenOnKingOrJack:
            if (b == 12 && (a == 13 || a == 11)) return false;
            return CommonRule(cardA, cardB, a, b, pile, context);
        case BuildCode::Always: return true;
        case BuildCode::StepOfTwo:
        case BuildCode::StepOfThree:
        case BuildCode::StepOfFour: {
            // An empty pile counts as rank 0 or -1, so it takes the card k or k - 1.
            const int k = pile.build - 12;
            return b == a + k || b == (a + k) % 13;
        }
        case BuildCode::NotFromTableau: return !FromTableau(source);
        case BuildCode::TableauOnlyToEmpty: {
            if (!FromTableau(source)) return true;
            const Pile* own = TableauAt(piles, p);
            return target.kind == PileKind::Tableau && own != nullptr && !HoldsCards(*own);
        }
        case BuildCode::NotFromTableauOrReserve: return !FromTableau(source) && !FromReserve(source);
        case BuildCode::UpAnySuitWrapping: return onCard ? b == a + 1 || (a == 13 && b == 1) : b == 1;
        case BuildCode::UpInSuitWhileWasteEmpty: return onCard && !HoldsCards(piles.stock[1]) && SameSuit(cardA, cardB) && b == a + 1;
        case BuildCode::SameSuitNoQueenKingPair:
            // An empty pile compares as the missing card 0, a heart: only hearts
            // reach the empty-pile rule. Games are not expected to rely on it.
            if (!SameSuit(cardA, cardB)) return false;
            if ((a == 13 && b == 12) || (a == 12 && b == 13)) return false;
            return CommonRule(cardA, cardB, a, b, pile, context);
        case BuildCode::SameSuitStepOfTwo:
            if (!onCard) return true;
            return SameSuit(cardA, cardB) && b == (pile.direction == BuildDirection::Up ? a + 2 : a - 2);
        case BuildCode::EitherWayWhileShort: {
            if (!onCard) return false;
            const Pile* own = TableauAt(piles, p);
            return own != nullptr && CountCards(*own) < 3 && (b == a + 1 || b == a - 1);
        }
        case BuildCode::AlternateNotFromFoundationOrReserve:
            if (FromFoundation(source) || FromReserve(source)) return false;
            return CommonRule(cardA, cardB, a, b, pile, context);
        case BuildCode::SameSuitEitherWay:
            // Without wrap: a 2 is the only card on an Ace, a Queen the only card on a King.
            if (!onCard) return true;
            return SameSuit(cardA, cardB) && (b == a + 1 || b == a - 1);
        case BuildCode::UpThenDown:
            if (!onCard) return FoundationGroupAccepts(pile.firstCard, cardB, piles, context.rules);
            return UpThenDownAccepts(cardA, cardB, a, b, p, context);
        case BuildCode::FollowsPileDirection:
            if (!onCard) return cardA == 0 && b == 1;
            return FollowsPileDirection(cardA, cardB, a, b, p, context);
        case BuildCode::DownInSuit: return onCard && SameSuit(cardA, cardB) && b == a - 1;
        case BuildCode::UpInSuit:
            // Nothing goes on a King, as no rank follows it. Also applied to an
            // empty pile: 0 counts as a heart of rank 0, so only an Ace of hearts
            // is taken there (and nothing on -1).
            return SameSuit(cardA, cardB) && b == a + 1;
        case BuildCode::NotFromTableauWhileShort: {
            if (FromTableau(source)) return false;
            const Pile* own = TableauAt(piles, p);
            return own != nullptr && CountCards(*own) <= 1;
        }
        case BuildCode::AlternateDown:
            if (onCard) return !SameColour(cardA, cardB) && b == a - 1;
            return CommonRule(cardA, cardB, a, b, pile, context);
        case BuildCode::AlternateSameOrBelow:
            if (onCard) return !SameColour(cardA, cardB) && (b == a || b == a - 1);
            return CommonRule(cardA, cardB, a, b, pile, context);
        default: return CommonRule(cardA, cardB, a, b, pile, context);
    }
}

bool FoundationGroupAccepts(int firstCard, int b, const PileLists& piles, const GameRules& rules) {
    const int rankB = CardRank(b);
    const bool aces = firstCard == FirstCard::BalancedAce || firstCard == FirstCard::BalancedAceBySuit;
    if (aces && rankB != 1) return false;
    if (firstCard == FirstCard::BalancedKingBySuit && rankB != 13) return false;
    const bool perSuit = firstCard == FirstCard::BalancedKingBySuit || firstCard == FirstCard::BalancedAceBySuit;

    // A card outside the pack has no suit to balance; it is refused rather
    // than counted somewhere arbitrary.
    const int suitB = CardSuitIndex(b);
    if (!IsCard(b) || suitB < 0) return false;

    const int foundations = CountParameter(rules, Rule::FoundationCount, kFoundationCount);
    int groupSize = 0;
    for (int i = 0; i < foundations; ++i) {
        if (rules[Rule::FoundationFirstCard + i] == firstCard) ++groupSize;
    }
    const int half = groupSize / 2;

    int red = IsRedCard(b) ? 1 : 0;
    int black = 1 - red;
    int suits[4] = {0, 0, 0, 0};
    suits[suitB] = 1;
    for (int i = 0; i < foundations; ++i) {
        if (rules[Rule::FoundationFirstCard + i] != firstCard) continue;
        const int bottom = BottomCard(piles.foundations[static_cast<size_t>(i)]);
        if (bottom == kNoCard) continue;
        const int suit = CardSuitIndex(bottom);
        if (suit < 0) return false;
        if (IsRedCard(bottom)) {
            ++red;
        } else {
            ++black;
        }
        if (red > half || black > half) return false;
        if (perSuit && ++suits[suit] > 1) return false;
    }
    return true;
}

bool RunLinksCount(int runRule) {
    return runRule == RunRule::LinksFollowBuild || runRule == RunRule::LinksInSuit ||
           runRule == RunRule::LinksInColour || runRule == RunRule::WholePile;
}

PileRules RunLinkRules(const GameRules& rules, int tableau) {
    PileRules pile = TableauRules(rules, tableau);
    switch (rules[Rule::RunRule]) {
        case RunRule::LinksInSuit: pile.build = static_cast<int>(BuildCode::SameSuit); break;
        case RunRule::LinksInColour:
            pile.build = static_cast<int>(BuildCode::SameColour);
            pile.direction = BuildDirection::Down;
            break;
        default: break;
    }
    return pile;
}

bool CanMoveRun(std::span<const CardNumber> run, int tableau, const Position& position, const GameRules& rules) {
    const int runRule = rules[Rule::RunRule];
    if (!RunLinksCount(runRule)) return true;
    if (runRule == RunRule::WholePile && run.size() > 1) {
        const Pile* own = TableauAt(position.piles, tableau);
        if (own == nullptr || CountCards(*own) != static_cast<int>(run.size())) return false;
    }
    const PileRules pile = RunLinkRules(rules, tableau);
    // The run lies in pile t, so every upper card comes from there.
    const PlaceContext context{position, rules, tableau + 1, false};
    const PileId target = PileId::Tableau(tableau + 1);
    for (size_t i = 0; i + 1 < run.size(); ++i) {
        if (!CanPlaceOn(run[i], run[i + 1], pile, target, false, context)) return false;
    }
    return true;
}

bool MoveSizeLimit::allows(std::span<const CardNumber> run, bool toEmptyTableau) const {
    const int n = static_cast<int>(run.size());
    if (oneOrKingRun) return n == 1 || (n > 1 && CardRank(run.front()) == 13);
    return n <= (toEmptyTableau ? toEmpty : toCard);
}

MoveSizeLimit MoveSizeLimitOf(const PileLists& piles, const GameRules& rules) {
    constexpr int kAny = 1 << 30;
    const int limitRule = rules[Rule::MoveLimit];
    if (limitRule == MoveLimit::Unlimited) return {kAny, kAny, false};
    if (limitRule == MoveLimit::OneOrKingRun) return {1, 1, true};
    if (limitRule >= 0) return {limitRule, limitRule, false};

    const int tableauCount = CountParameter(rules, Rule::TableauCount, kTableauCount);
    const int reserveCount = CountParameter(rules, Rule::ReserveCount, kReserveCount);
    int emptyTableau = 0;
    for (int t = 0; t < tableauCount; ++t) emptyTableau += HoldsCards(piles.tableau[static_cast<size_t>(t)]) ? 0 : 1;
    int emptyReserves = 0;
    for (int r = 0; r < reserveCount; ++r) emptyReserves += HoldsCards(piles.reserves[static_cast<size_t>(r)]) ? 0 : 1;

    if (limitRule == MoveLimit::FreeCellsAndPiles) {
        // An empty destination pile cannot also hold cards on the way there.
        if (emptyTableau == 0) return {emptyReserves + 1, emptyReserves + 1, false};
        return {emptyReserves + emptyTableau + 1, emptyReserves + emptyTableau, false};
    }
    if (limitRule == MoveLimit::FreeCellsDoubling) {
        // Only the empty piles that take any card can hold cards on the way;
        // an empty target is not one of them.
        int open = 0;
        for (int t = 0; t < tableauCount; ++t) {
            if (HoldsCards(piles.tableau[static_cast<size_t>(t)])) continue;
            const int accepts = rules[Rule::TableauEmptyAccepts + t];
            if (accepts == FirstCard::AnyCard || rules[Rule::StopRank] == -1) ++open;
        }
        open = std::min(open, 20);
        const int toCard = (emptyReserves + 1) << open;
        return {toCard, open > 0 ? toCard / 2 : toCard, false};
    }
    if (limitRule == MoveLimit::FreeCellsAndPilesEven) {
        const int limit = emptyTableau > 0 ? emptyReserves + emptyTableau : emptyReserves + 1;
        return {limit, limit, false};
    }
    const int limit = emptyTableau > 0 ? emptyTableau : 1;
    return {limit, limit, false};
}

bool MayMoveCount(std::span<const CardNumber> run, bool toEmptyTableau, const PileLists& piles,
                  const GameRules& rules) {
    return MoveSizeLimitOf(piles, rules).allows(run, toEmptyTableau);
}

}  // namespace dravicor
