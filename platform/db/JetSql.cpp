#include "platform/db/JetSql.h"

#include "platform/Error.h"
#include "platform/db/DateTimeText.h"

#include <QDate>
#include <QRegularExpression>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace {

[[noreturn]] void Fail(const QString& why, const QString& statement) {
    throw EDatabaseError(QStringLiteral("Instruction SQL incorrecte : %1 dans « %2 »").arg(why, statement));
}

enum class TTokenKind { Word, BracketName, Text, Number, Date, Symbol, End };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    // A word or name as written, a text's value with its doubled quotes undone, a number as
    // written, a date as ISO text, a symbol.
    QString Value;
    // The token as it stands in the statement, for error texts.
    QString Source;
};

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsNameStart(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
bool IsNamePart(QChar c) {
    return IsNameStart(c) || IsAsciiDigit(c);
}

class TTokenizer {
public:
    TTokenizer(const QString& statement, int currentYear) : FText(statement), FCurrentYear(currentYear) {}

    std::vector<TToken> Tokens() {
        std::vector<TToken> tokens;
        while (true) {
            while (FPos < FText.size() && FText[FPos].isSpace())
                ++FPos;
            if (FPos == FText.size())
                break;
            const qsizetype start = FPos;
            TToken token = Next();
            token.Source = FText.mid(start, FPos - start);
            tokens.push_back(std::move(token));
        }
        tokens.push_back({TTokenKind::End, QString(), QString()});
        return tokens;
    }

private:
    TToken Next() {
        const QChar c = FText[FPos];
        if (IsNameStart(c))
            return Word();
        if (c == u'[')
            return BracketName();
        if (c == u'\'' || c == u'"')
            return Text(c);
        if (c == u'#')
            return Date();
        if (IsAsciiDigit(c) || (c == u'-' && FPos + 1 < FText.size() && IsAsciiDigit(FText[FPos + 1])))
            return Number();
        return Symbol();
    }

    TToken Word() {
        const qsizetype start = FPos;
        while (FPos < FText.size() && IsNamePart(FText[FPos]))
            ++FPos;
        return {TTokenKind::Word, FText.mid(start, FPos - start), {}};
    }

    TToken BracketName() {
        const qsizetype close = FText.indexOf(u']', FPos + 1);
        if (close < 0)
            Fail(QStringLiteral("crochet non fermé"), FText);
        if (close == FPos + 1)
            Fail(QStringLiteral("nom vide entre crochets"), FText);
        const QString name = FText.mid(FPos + 1, close - FPos - 1);
        FPos = close + 1;
        return {TTokenKind::BracketName, name, {}};
    }

    // Both quote characters open a text; inside it, the opening quote is written twice.
    TToken Text(QChar quote) {
        QString value = QStringLiteral(""); // never a null string, so that "" binds as a text
        ++FPos;
        while (true) {
            if (FPos == FText.size())
                Fail(QStringLiteral("texte non terminé"), FText);
            const QChar c = FText[FPos++];
            if (c != quote) {
                value += c;
            } else if (FPos < FText.size() && FText[FPos] == quote) {
                value += c;
                ++FPos;
            } else {
                return {TTokenKind::Text, value, {}};
            }
        }
    }

    // #month/day/year#, with a two-digit year taken in the program's window around the current year.
    TToken Date() {
        const qsizetype close = FText.indexOf(u'#', FPos + 1);
        if (close < 0)
            Fail(QStringLiteral("date non terminée"), FText);
        const QString source = FText.mid(FPos, close + 1 - FPos);
        FPos = close + 1;
        static const QRegularExpression pattern(QStringLiteral(R"(^#(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})#$)"));
        const QRegularExpressionMatch match = pattern.match(source);
        if (!match.hasMatch())
            Fail(QStringLiteral("date incorrecte %1").arg(source), FText);
        int year = match.captured(3).toInt();
        if (match.capturedLength(3) == 2)
            year = ExpandTwoDigitYear(year, FCurrentYear);
        const QDate date(year, match.captured(1).toInt(), match.captured(2).toInt());
        if (!date.isValid())
            Fail(QStringLiteral("date incorrecte %1").arg(source), FText);
        return {TTokenKind::Date, date.toString(Qt::ISODate), {}};
    }

    TToken Number() {
        const qsizetype start = FPos;
        ++FPos;
        while (FPos < FText.size() && IsAsciiDigit(FText[FPos]))
            ++FPos;
        if (FPos + 1 < FText.size() && FText[FPos] == u'.' && IsAsciiDigit(FText[FPos + 1])) {
            ++FPos;
            while (FPos < FText.size() && IsAsciiDigit(FText[FPos]))
                ++FPos;
        }
        if (FPos < FText.size() && (IsNamePart(FText[FPos]) || FText[FPos] == u'.'))
            Fail(QStringLiteral("nombre incorrect « %1 »").arg(FText.mid(start, FPos + 1 - start)), FText);
        return {TTokenKind::Number, FText.mid(start, FPos - start), {}};
    }

    TToken Symbol() {
        static const QString twoCharacters[] = {QStringLiteral("<>"), QStringLiteral("<="),
                                                QStringLiteral(">=")};
        for (const QString& symbol : twoCharacters) {
            if (QStringView(FText).mid(FPos, 2) == symbol) {
                FPos += 2;
                return {TTokenKind::Symbol, symbol, {}};
            }
        }
        const QChar c = FText[FPos];
        if (!QStringLiteral("=<>(),.*;").contains(c))
            Fail(QStringLiteral("caractère inattendu « %1 »").arg(c), FText);
        ++FPos;
        return {TTokenKind::Symbol, QString(c), {}};
    }

    const QString& FText;
    const int FCurrentYear;
    qsizetype FPos = 0;
};

struct TColumnRef {
    QString Table; // empty when the statement does not name it
    QString Name;
};

// One node for values and conditions alike: a parenthesis may hold either, and only its use
// tells which, so the emitter checks the kinds where they meet.
struct TNode {
    enum class TKind { Column, Text, Number, Date, Comparison, Like, IsNull, Not, And, Or };
    TKind Kind = TKind::Column;
    TColumnRef Column;
    QString Value;        // literals; the operator of a comparison
    bool Negated = false; // NOT LIKE, IS NOT NULL
    std::unique_ptr<TNode> Left, Right;

    bool IsValue() const {
        return Kind == TKind::Column || Kind == TKind::Text || Kind == TKind::Number || Kind == TKind::Date;
    }
};
using TNodePtr = std::unique_ptr<TNode>;

struct TOrderTerm {
    TColumnRef Column;
    QString Direction; // empty when not written
};

struct TSelect {
    bool Distinct = false;
    std::vector<TColumnRef> Columns; // empty for *
    QString Table;
    TNodePtr Where;
    std::vector<TOrderTerm> OrderBy;
};

TNodePtr MakeNode(TNode::TKind kind, TNodePtr left = nullptr, TNodePtr right = nullptr) {
    auto node = std::make_unique<TNode>();
    node->Kind = kind;
    node->Left = std::move(left);
    node->Right = std::move(right);
    return node;
}

class TParser {
public:
    TParser(const QString& statement, int currentYear)
        : FStatement(statement), FTokens(TTokenizer(statement, currentYear).Tokens()) {}

    TSelect Select() {
        TSelect select;
        if (!AcceptKeyword("SELECT"))
            Fail(QStringLiteral("seule une instruction SELECT est acceptée"));
        select.Distinct = AcceptKeyword("DISTINCT");
        // "Table.*" asks, as "*" does, for every column of the one table read.
        QString starTable;
        if (IsName(Peek()) && FPos + 2 < FTokens.size() && IsSymbol(FTokens[FPos + 1], ".") &&
            IsSymbol(FTokens[FPos + 2], "*")) {
            starTable = Name();
            FPos += 2;
        } else if (!AcceptSymbol("*")) {
            do
                select.Columns.push_back(ColumnRef());
            while (AcceptSymbol(","));
        }
        ExpectKeyword("FROM");
        select.Table = Name();
        if (!starTable.isEmpty() && starTable.compare(select.Table, Qt::CaseInsensitive) != 0)
            Fail(QStringLiteral("la table « %1 » n'est pas celle de la clause FROM").arg(starTable));
        if (AcceptKeyword("WHERE"))
            select.Where = Or();
        if (AcceptKeyword("ORDER")) {
            ExpectKeyword("BY");
            do {
                TOrderTerm term{ColumnRef(), {}};
                if (AcceptKeyword("ASC"))
                    term.Direction = QStringLiteral("ASC");
                else if (AcceptKeyword("DESC"))
                    term.Direction = QStringLiteral("DESC");
                select.OrderBy.push_back(std::move(term));
            } while (AcceptSymbol(","));
        }
        AcceptSymbol(";");
        if (Peek().Kind != TTokenKind::End)
            Fail(QStringLiteral("texte inattendu %1 après la fin de l'instruction").arg(Describe(Peek())));
        return select;
    }

private:
    // AND binds tighter than OR, NOT tighter than AND, a comparison tighter than NOT.
    TNodePtr Or() {
        TNodePtr node = And();
        while (AcceptKeyword("OR"))
            node = MakeNode(TNode::TKind::Or, std::move(node), And());
        return node;
    }

    TNodePtr And() {
        TNodePtr node = Not();
        while (AcceptKeyword("AND"))
            node = MakeNode(TNode::TKind::And, std::move(node), Not());
        return node;
    }

    TNodePtr Not() {
        if (AcceptKeyword("NOT"))
            return MakeNode(TNode::TKind::Not, Not());
        return Predicate();
    }

    TNodePtr Predicate() {
        TNodePtr left = Operand();
        static const QString comparisons[] = {QStringLiteral("="),  QStringLiteral("<>"),
                                              QStringLiteral("<"),  QStringLiteral(">"),
                                              QStringLiteral("<="), QStringLiteral(">=")};
        for (const QString& op : comparisons) {
            if (AcceptSymbol(op)) {
                TNodePtr node = MakeNode(TNode::TKind::Comparison, std::move(left), Operand());
                node->Value = op;
                return node;
            }
        }
        if (IsKeyword(Peek(), "LIKE") || (IsKeyword(Peek(), "NOT") && IsKeyword(FTokens[FPos + 1], "LIKE"))) {
            const bool negated = AcceptKeyword("NOT");
            ExpectKeyword("LIKE");
            TNodePtr node = MakeNode(TNode::TKind::Like, std::move(left), Operand());
            node->Negated = negated;
            return node;
        }
        if (AcceptKeyword("IS")) {
            const bool negated = AcceptKeyword("NOT");
            ExpectKeyword("NULL");
            TNodePtr node = MakeNode(TNode::TKind::IsNull, std::move(left));
            node->Negated = negated;
            return node;
        }
        return left;
    }

    TNodePtr Operand() {
        if (AcceptSymbol("(")) {
            TNodePtr inner = Or();
            ExpectSymbol(")");
            return inner;
        }
        const TToken& token = Peek();
        const auto literal = [this](TNode::TKind kind) {
            TNodePtr node = MakeNode(kind);
            node->Value = FTokens[FPos++].Value;
            return node;
        };
        switch (token.Kind) {
        case TTokenKind::Text:
            return literal(TNode::TKind::Text);
        case TTokenKind::Number:
            return literal(TNode::TKind::Number);
        case TTokenKind::Date:
            return literal(TNode::TKind::Date);
        case TTokenKind::Word:
        case TTokenKind::BracketName:
            if (IsName(token)) {
                TNodePtr node = MakeNode(TNode::TKind::Column);
                node->Column = ColumnRef();
                if (IsSymbol(Peek(), "("))
                    Fail(QStringLiteral("fonction non prise en charge « %1 »").arg(node->Column.Name));
                return node;
            }
            break;
        default:
            break;
        }
        FailExpected(QStringLiteral("valeur attendue"));
    }

    TColumnRef ColumnRef() {
        TColumnRef ref{QString(), Name()};
        if (AcceptSymbol(".")) {
            ref.Table = ref.Name;
            ref.Name = Name();
        }
        return ref;
    }

    QString Name() {
        if (!IsName(Peek()))
            FailExpected(QStringLiteral("nom attendu"));
        return FTokens[FPos++].Value;
    }

    // The words of the grammar are not names unless written between brackets.
    static bool IsName(const TToken& token) {
        static const char* const reserved[] = {"SELECT", "DISTINCT", "FROM", "WHERE", "ORDER", "BY", "ASC",
                                               "DESC",   "AND",      "OR",   "NOT",   "LIKE",  "IS", "NULL"};
        if (token.Kind == TTokenKind::BracketName)
            return true;
        if (token.Kind != TTokenKind::Word)
            return false;
        for (const char* keyword : reserved) {
            if (IsKeyword(token, keyword))
                return false;
        }
        return true;
    }

    static bool IsKeyword(const TToken& token, const char* keyword) {
        return token.Kind == TTokenKind::Word &&
               token.Value.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
    }
    static bool IsSymbol(const TToken& token, const QString& symbol) {
        return token.Kind == TTokenKind::Symbol && token.Value == symbol;
    }

    const TToken& Peek() const { return FTokens[FPos]; }

    bool AcceptKeyword(const char* keyword) {
        if (!IsKeyword(Peek(), keyword))
            return false;
        ++FPos;
        return true;
    }
    bool AcceptSymbol(const QString& symbol) {
        if (!IsSymbol(Peek(), symbol))
            return false;
        ++FPos;
        return true;
    }
    bool AcceptSymbol(const char* symbol) { return AcceptSymbol(QLatin1String(symbol)); }
    void ExpectKeyword(const char* keyword) {
        if (!AcceptKeyword(keyword))
            FailExpected(QStringLiteral("« %1 » attendu").arg(QLatin1String(keyword)));
    }
    void ExpectSymbol(const char* symbol) {
        if (!AcceptSymbol(symbol))
            FailExpected(QStringLiteral("« %1 » attendu").arg(QLatin1String(symbol)));
    }

    static QString Describe(const TToken& token) {
        if (token.Kind == TTokenKind::End)
            return QStringLiteral("la fin de l'instruction");
        return QStringLiteral("« %1 »").arg(token.Source);
    }
    [[noreturn]] void FailExpected(const QString& expected) const {
        Fail(QStringLiteral("%1 au lieu de %2").arg(expected, Describe(Peek())));
    }
    [[noreturn]] void Fail(const QString& why) const { ::Fail(why, FStatement); }

    const QString& FStatement;
    std::vector<TToken> FTokens;
    std::size_t FPos = 0;
};

// Reads a Jet LIKE pattern: % and _ are wildcards, and a character between brackets stands for
// itself. Classes of characters ([a-z], [!x]) have no SQLite counterpart and are refused.
struct TLikePattern {
    bool HasWildcard = false;
    QString Plain;   // the text without brackets, for an equality when there is no wildcard
    QString Escaped; // the pattern for SQLite's LIKE with \ as escape character
};

std::optional<TLikePattern> ReadLikePattern(const QString& pattern) {
    TLikePattern result{false, QStringLiteral(""), QStringLiteral("")};
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (c == u'%' || c == u'_') {
            result.HasWildcard = true;
            result.Escaped += c;
            continue;
        }
        if (c == u'[') {
            // The search starts after the bracketed character, so that []] stands for ].
            if (pattern.indexOf(u']', i + 2) != i + 2)
                return std::nullopt;
            c = pattern[i + 1];
            i += 2;
        }
        result.Plain += c;
        if (c == u'%' || c == u'_' || c == u'\\')
            result.Escaped += u'\\';
        result.Escaped += c;
    }
    return result;
}

class TEmitter {
public:
    TEmitter(const QString& statement, const TColumnTypeLookup& columnType)
        : FStatement(statement), FColumnType(columnType) {}

    TTranslatedSql Emit(const TSelect& select) {
        FTable = select.Table;
        QString sql = QStringLiteral("SELECT ");
        if (select.Distinct)
            sql += QStringLiteral("DISTINCT ");
        if (select.Columns.empty()) {
            sql += u'*';
        } else {
            QStringList columns;
            for (const TColumnRef& column : select.Columns)
                columns << Column(column);
            sql += columns.join(QStringLiteral(", "));
        }
        sql += QStringLiteral(" FROM ") + Quoted(FTable);
        if (select.Where)
            sql += QStringLiteral(" WHERE ") + Condition(*select.Where);
        if (!select.OrderBy.empty()) {
            QStringList terms;
            for (const TOrderTerm& term : select.OrderBy)
                terms << (term.Direction.isEmpty() ? Column(term.Column)
                                                   : Column(term.Column) + u' ' + term.Direction);
            sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
        }
        return {sql, FParameters};
    }

private:
    // Parameters are bound in the order the placeholders appear, so every piece of text below is
    // built strictly left to right.
    QString Condition(const TNode& node) {
        switch (node.Kind) {
        case TNode::TKind::Or:
        case TNode::TKind::And: {
            const QString left = Condition(*node.Left);
            const QString right = Condition(*node.Right);
            const QString op =
                node.Kind == TNode::TKind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
            return u'(' + left + op + right + u')';
        }
        case TNode::TKind::Not:
            return QStringLiteral("(NOT ") + Condition(*node.Left) + u')';
        case TNode::TKind::Comparison:
            return Comparison(node);
        case TNode::TKind::Like:
            return Like(node);
        case TNode::TKind::IsNull:
            if (node.Left->Kind != TNode::TKind::Column)
                Fail(QStringLiteral("IS NULL s'applique à une colonne"));
            return u'(' + Column(node.Left->Column) +
                   (node.Negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)"));
        default:
            Fail(QStringLiteral("condition attendue"));
        }
    }

    QString Comparison(const TNode& node) {
        const TNode& left = *node.Left;
        const TNode& right = *node.Right;
        if (!left.IsValue() || !right.IsValue())
            Fail(QStringLiteral("valeur attendue de part et d'autre de « %1 »").arg(node.Value));
        if (left.Kind != TNode::TKind::Column && right.Kind != TNode::TKind::Column)
            Fail(QStringLiteral("une comparaison doit porter sur une colonne"));
        const QString leftSql = Operand(left, right);
        const QString rightSql = Operand(right, left);
        return u'(' + leftSql + u' ' + node.Value + u' ' + rightSql + u')';
    }

    // A pattern without wildcard becomes an equality under NOCASE, which folds case exactly as
    // LIKE does and lets SQLite look the room up in the index on CHAMBRE COLLATE NOCASE.
    QString Like(const TNode& node) {
        if (node.Left->Kind != TNode::TKind::Column)
            Fail(QStringLiteral("LIKE s'applique à une colonne"));
        if (node.Right->Kind != TNode::TKind::Text)
            Fail(QStringLiteral("le motif de LIKE doit être un texte"));
        const std::optional<TLikePattern> pattern = ReadLikePattern(node.Right->Value);
        if (!pattern)
            Fail(QStringLiteral("motif de LIKE non pris en charge « %1 »").arg(node.Right->Value));
        const QString column = Column(node.Left->Column);
        if (!pattern->HasWildcard) {
            FParameters << pattern->Plain;
            return u'(' + column + (node.Negated ? QStringLiteral(" <> ") : QStringLiteral(" = ")) +
                   QStringLiteral("? COLLATE NOCASE)");
        }
        FParameters << pattern->Escaped;
        return u'(' + column + (node.Negated ? QStringLiteral(" NOT LIKE ") : QStringLiteral(" LIKE ")) +
               QStringLiteral("? ESCAPE '\\')");
    }

    // A literal is bound as the value its counterpart column stores: currency amounts as whole
    // ten-thousandths. Text compares without case, like every text comparison of the program.
    QString Operand(const TNode& node, const TNode& counterpart) {
        switch (node.Kind) {
        case TNode::TKind::Column:
            return Column(node.Column);
        case TNode::TKind::Text:
            FParameters << node.Value;
            return QStringLiteral("? COLLATE NOCASE");
        case TNode::TKind::Date:
            FParameters << node.Value;
            return QStringLiteral("?");
        default:
            FParameters << (counterpart.Kind == TNode::TKind::Column && IsCurrency(counterpart.Column)
                                ? QVariant(CurrencyUnits(node.Value))
                                : NumberValue(node.Value));
            return QStringLiteral("?");
        }
    }

    // Always qualified: SQLite reads an unknown double-quoted name that stands alone as a text
    // constant, which would turn a misspelt column into a silent comparison with its own name.
    QString Column(const TColumnRef& column) {
        if (!column.Table.isEmpty() && column.Table.compare(FTable, Qt::CaseInsensitive) != 0)
            Fail(QStringLiteral("table inconnue « %1 »").arg(column.Table));
        return Quoted(FTable) + u'.' + Quoted(column.Name);
    }

    static QString Quoted(const QString& name) {
        QString escaped = name;
        escaped.replace(u'"', QStringLiteral("\"\""));
        return u'"' + escaped + u'"';
    }

    bool IsCurrency(const TColumnRef& column) const {
        return FColumnType(FTable, column.Name)
                   .trimmed()
                   .compare(QLatin1String("CURRENCY"), Qt::CaseInsensitive) == 0;
    }

    QVariant NumberValue(const QString& number) const {
        if (number.contains(u'.'))
            return number.toDouble();
        bool ok = false;
        const qint64 value = number.toLongLong(&ok);
        if (!ok)
            Fail(QStringLiteral("nombre hors limites « %1 »").arg(number));
        return value;
    }

    // Worked out on the decimal digits, so that a literal rounds exactly as a stored amount does:
    // to the nearest ten-thousandth, halves to even.
    qint64 CurrencyUnits(const QString& number) const {
        static constexpr qint64 largestWhole = std::numeric_limits<qint64>::max() / 10000 - 1;
        const bool negative = number.startsWith(u'-');
        const QString digits = negative ? number.mid(1) : number;
        const qsizetype dot = digits.indexOf(u'.');
        const QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);
        bool ok = false;
        const qint64 whole = digits.left(dot < 0 ? digits.size() : dot).toLongLong(&ok);
        if (!ok || whole > largestWhole)
            Fail(QStringLiteral("montant hors limites « %1 »").arg(number));
        qint64 units = whole * 10000 + (fraction + QStringLiteral("0000")).left(4).toLongLong();
        const QString dropped = fraction.mid(4);
        if (!dropped.isEmpty()) {
            const bool exactHalf = dropped[0] == u'5' && dropped.mid(1).count(u'0') == dropped.size() - 1;
            if (dropped[0] > u'5' || (dropped[0] == u'5' && (!exactHalf || units % 2 != 0)))
                ++units;
        }
        return negative ? -units : units;
    }

    [[noreturn]] void Fail(const QString& why) const { ::Fail(why, FStatement); }

    const QString& FStatement;
    const TColumnTypeLookup& FColumnType;
    QString FTable;
    QVariantList FParameters;
};

} // namespace

TTranslatedSql TranslateJetSelect(const QString& jetSql, const TColumnTypeLookup& columnType,
                                  int currentYear) {
    const TSelect select = TParser(jetSql, currentYear).Select();
    return TEmitter(jetSql, columnType).Emit(select);
}
