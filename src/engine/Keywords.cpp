#include "engine/Keywords.h"

#include <array>
#include <vector>

namespace engine {

namespace {

const QLatin1String kReserved[] = {
    QLatin1String("SELECT"),  QLatin1String("FROM"),      QLatin1String("WHERE"),
    QLatin1String("AND"),     QLatin1String("OR"),        QLatin1String("NOT"),
    QLatin1String("ON"),      QLatin1String("JOIN"),      QLatin1String("INNER"),
    QLatin1String("LEFT"),    QLatin1String("RIGHT"),     QLatin1String("OUTER"),
    QLatin1String("FULL"),    QLatin1String("CROSS"),     QLatin1String("GROUP"),
    QLatin1String("BY"),      QLatin1String("ORDER"),     QLatin1String("HAVING"),
    QLatin1String("AS"),      QLatin1String("CASE"),      QLatin1String("WHEN"),
    QLatin1String("THEN"),    QLatin1String("ELSE"),      QLatin1String("END"),
    QLatin1String("IS"),      QLatin1String("IN"),        QLatin1String("LIKE"),
    QLatin1String("BETWEEN"), QLatin1String("EXISTS"),    QLatin1String("DISTINCT"),
    QLatin1String("TOP"),     QLatin1String("UNION"),     QLatin1String("ALL"),
    QLatin1String("INSERT"),  QLatin1String("INTO"),      QLatin1String("VALUES"),
    QLatin1String("UPDATE"),  QLatin1String("SET"),       QLatin1String("DELETE"),
    QLatin1String("ASC"),     QLatin1String("DESC"),      QLatin1String("IF"),
    QLatin1String("BEGIN"),   QLatin1String("COLLATE"),   QLatin1String("LIMIT"),
    QLatin1String("EXCEPT"),  QLatin1String("INTERSECT"), QLatin1String("ESCAPE"),
    QLatin1String("WITH"),    QLatin1String("NULL")};

const QLatin1String kStatementStarts[] = {
    QLatin1String("SELECT"), QLatin1String("INSERT"),   QLatin1String("UPDATE"),
    QLatin1String("DELETE"), QLatin1String("CREATE"),   QLatin1String("DROP"),
    QLatin1String("ALTER"),  QLatin1String("TRUNCATE"), QLatin1String("DECLARE"),
    QLatin1String("EXEC"),   QLatin1String("EXECUTE"),  QLatin1String("PRINT"),
    QLatin1String("WHILE"),  QLatin1String("RETURN"),   QLatin1String("MERGE"),
    QLatin1String("USE"),    QLatin1String("IF"),       QLatin1String("BEGIN")};

const QLatin1String kRefusedClauses[] = {
    QLatin1String("LIMIT"),  QLatin1String("GLOB"),    QLatin1String("OVER"),
    QLatin1String("PIVOT"),  QLatin1String("UNPIVOT"), QLatin1String("APPLY"),
    QLatin1String("OUTPUT"), QLatin1String("WITH"),    QLatin1String("FOR"),
    QLatin1String("MERGE"),  QLatin1String("GOTO")};


template <size_t N>
bool contains(const QLatin1String (&set)[N], const QString& word) {
    if (word.isEmpty()) return false;
    // Most words fail on their length or first letter, before the full comparison.
    const char16_t first = word[0].unicode() & ~char16_t(0x20);
    for (const QLatin1String& k : set) {
        if (word.size() == k.size() && first == char16_t(k[0].unicode()) &&
            word.compare(k, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool isReservedWord(const QString& word) {
    // Asked of every name the parser and the printer meet: the words by length.
    static const auto byLength = [] {
        std::array<std::vector<QLatin1String>, 10> out;
        for (const QLatin1String& k : kReserved) out[k.size()].push_back(k);
        return out;
    }();
    if (word.isEmpty() || word.size() >= qsizetype(byLength.size())) return false;
    const char16_t first = word[0].unicode() & ~char16_t(0x20);
    for (const QLatin1String& k : byLength[word.size()]) {
        if (first == char16_t(k[0].unicode()) && word.compare(k, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isStatementStart(const QString& word) { return contains(kStatementStarts, word); }

bool isRefusedClauseWord(const QString& word) { return contains(kRefusedClauses, word); }

bool isComparisonOperator(const QString& op) {
    for (const char* c : {"=", "<", ">", "<=", ">=", "<>", "!=", "!<", "!>"}) {
        if (op == QLatin1String(c)) return true;
    }
    return false;
}

}  // namespace engine
