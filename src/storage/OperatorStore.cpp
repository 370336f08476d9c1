#include "storage/OperatorStore.h"

#include "base/DiskSync.h"
#include "base/ProgramFolder.h"
#include "storage/FileLock.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

#include <sodium.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr char FileName[] = "Operatori.ini";
constexpr qsizetype MinPasswordLength = 8;
constexpr char HashPrefix[] = "$argon2id$";

// Checked instead of a missing or inactive operator's hash, so that a refused login takes as long
// whatever the reason and its time tells nobody which names exist. Its password was random and is
// kept nowhere.
constexpr char StandInHash[]
    = "$argon2id$v=19$m=65536,t=2,p=1$i0Fj+WUyv6wcC6NBOW2xqQ$eo1YoEXHVn2HJ4iQIMHVJ+KCZZGCmm/9dRciw6LJscs";

void startSodium()
{
    static const bool started = sodium_init() >= 0;
    if (!started)
        throw StorageError(u"The password library cannot start"_s);
}

QByteArray hashOf(const QString &password)
{
    startSodium();
    const QByteArray typed = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, typed.constData(), quint64(typed.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw StorageError(u"Not enough memory to hash a password"_s);
    return QByteArray(hash);
}

bool verifies(const QByteArray &hash, const QString &password)
{
    startSodium();
    const QByteArray typed = password.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), typed.constData(), quint64(typed.size())) == 0;
}

// A hash libsodium can read back in full; anything else in the file (cut, edited, another scheme)
// could never let its operator in.
bool isUsableHash(const QByteArray &hash)
{
    return hash.startsWith(HashPrefix) && hash.size() < qsizetype(crypto_pwhash_STRBYTES) && !hash.contains('\0')
        && crypto_pwhash_str_needs_rehash(
               hash.constData(), crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        >= 0;
}

bool isShortPassword(const QString &password)
{
    return password.trimmed().toUcs4().size() < MinPasswordLength;
}

// Kept as typed but trimmed; a line break would end the key's line in the file.
QString storableName(const QString &typed)
{
    QString name = typed;
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return name.trimmed();
}

qsizetype indexOfName(const QList<Operator> &operators, const QString &typedName)
{
    const QString name = storableName(typedName);
    const auto found = std::find_if(operators.cbegin(), operators.cend(),
        [&](const Operator &op) { return op.name.compare(name, Qt::CaseInsensitive) == 0; });
    return found == operators.cend() ? -1 : found - operators.cbegin();
}

bool isActiveAdministrator(const Operator &op)
{
    return op.active && op.role == OperatorRole::Amministratore;
}

bool hasActiveAdministrator(const QList<Operator> &operators)
{
    return std::any_of(operators.cbegin(), operators.cend(), isActiveAdministrator);
}

QByteArray lineBody(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// One operator from the keys of its section, or nothing when it could never log in.
std::optional<Operator> operatorFrom(const QHash<QByteArray, QByteArray> &keys)
{
    Operator op;
    op.name = storableName(QString::fromUtf8(keys.value("nome")));
    op.hash = keys.value("password");
    if (op.name.isEmpty() || !isUsableHash(op.hash))
        return std::nullopt;
    op.role = keys.value("ruolo").compare("Amministratore", Qt::CaseInsensitive) == 0 ? OperatorRole::Amministratore
                                                                                      : OperatorRole::Operatore;
    // Anything but the "0" this program writes counts as active, a missing key too: a slip in a
    // hand-edited file must not lock an administrator out.
    op.active = keys.value("attivo", "1") != "0";
    return op;
}

QList<Operator> parse(const QByteArray &data)
{
    static const QRegularExpression operatorSection(u"^Operatore[0-9]+$"_s, QRegularExpression::CaseInsensitiveOption);
    QList<Operator> operators;
    std::optional<QHash<QByteArray, QByteArray>> section; // the keys of the operator section being read
    const auto endSection = [&] {
        if (!section)
            return;
        // A second section with a taken name could never be told apart at the login.
        if (std::optional<Operator> op = operatorFrom(*section); op && indexOfName(operators, op->name) < 0)
            operators.append(*op);
        section.reset();
    };
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);
    for (const QByteArray &line : std::as_const(lines)) {
        const QByteArray body = lineBody(line).trimmed();
        if (body.startsWith('[')) {
            endSection();
            const qsizetype close = body.indexOf(']');
            const QString name = QString::fromUtf8(body.mid(1, close < 0 ? -1 : close - 1).trimmed());
            if (close > 0 && operatorSection.match(name).hasMatch())
                section.emplace();
            continue;
        }
        const qsizetype equals = body.indexOf('=');
        if (!section || equals < 0)
            continue;
        const QByteArray key = body.left(equals).trimmed().toLower();
        if (!section->contains(key))
            section->insert(key, body.mid(equals + 1).trimmed());
    }
    endSection();
    return operators;
}

QByteArray serialize(const QList<Operator> &operators)
{
    QByteArray data;
    for (qsizetype i = 0; i < operators.size(); ++i) {
        const Operator &op = operators.at(i);
        if (i > 0)
            data += '\n';
        data += "[Operatore" + QByteArray::number(i + 1) + "]\n";
        data += "Nome=" + op.name.toUtf8() + '\n';
        data += "Ruolo=" + RoleName(op.role).toUtf8() + '\n';
        data += QByteArray("Attivo=") + (op.active ? '1' : '0') + '\n';
        data += "Password=" + op.hash + '\n';
    }
    return data;
}

void write(const QList<Operator> &operators)
{
    const QString path = OperatorStore::path();
    const QByteArray data = serialize(operators);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw StorageError(u"Cannot create "_s + path);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        file.commit();
        throw StorageError(u"Cannot write "_s + path);
    }
    if (!CommitToDisk(file))
        throw StorageError(u"Cannot save "_s + path);
}

// Applies `change` under the store's lock to the operators as they stand now, since another desk
// may have changed them since this one last read, and writes them back unless it refuses.
template<typename Change> OperatorRefusal changeUnderLock(Change change)
{
    const FileLock lock(OperatorStore::path());
    QList<Operator> operators = OperatorStore::read();
    const OperatorRefusal refusal = change(operators);
    if (refusal == OperatorRefusal::None)
        write(operators);
    return refusal;
}

// The refusal when `changed` would take away the last active administrator.
OperatorRefusal keepsAnAdministrator(const QList<Operator> &before, const QList<Operator> &after, qsizetype changed)
{
    return isActiveAdministrator(before.at(changed)) && !hasActiveAdministrator(after)
        ? OperatorRefusal::NoActiveAdministrator
        : OperatorRefusal::None;
}

} // namespace

QString OperatorStore::path()
{
    return ProgramFolder() + QLatin1StringView(FileName);
}

bool OperatorStore::configured()
{
    return QFileInfo::exists(path());
}

QList<Operator> OperatorStore::read()
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return {};
        throw StorageError(u"Cannot open "_s + file.fileName());
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(u"Cannot read "_s + file.fileName());
    return parse(data);
}

OperatorRefusal OperatorStore::add(
    const QString &name, const QString &password, const QString &confirmation, OperatorRole role)
{
    const QString storedName = storableName(name);
    const auto check = [&](const QList<Operator> &operators) {
        if (storedName.isEmpty())
            return OperatorRefusal::BlankName;
        if (indexOfName(operators, storedName) >= 0)
            return OperatorRefusal::NameTaken;
        if (isShortPassword(password))
            return OperatorRefusal::ShortPassword;
        if (password != confirmation)
            return OperatorRefusal::ConfirmationDiffers;
        if (operators.isEmpty() && role == OperatorRole::Operatore)
            return OperatorRefusal::FirstNotAdministrator;
        return OperatorRefusal::None;
    };
    // Hashing takes a good part of a second: only a change that passes pays for it, and outside
    // the lock the other desks wait for.
    if (const OperatorRefusal refusal = check(read()); refusal != OperatorRefusal::None)
        return refusal;
    const QByteArray hash = hashOf(password);
    return changeUnderLock([&](QList<Operator> &operators) {
        const OperatorRefusal refusal = check(operators);
        if (refusal == OperatorRefusal::None)
            operators.append(Operator { storedName, role, true, hash });
        return refusal;
    });
}

OperatorRefusal OperatorStore::changeRole(const QString &name)
{
    return changeUnderLock([&](QList<Operator> &operators) {
        const qsizetype index = indexOfName(operators, name);
        if (index < 0)
            return OperatorRefusal::UnknownOperator;
        const QList<Operator> before = operators;
        OperatorRole &role = operators[index].role;
        role = role == OperatorRole::Amministratore ? OperatorRole::Operatore : OperatorRole::Amministratore;
        return keepsAnAdministrator(before, operators, index);
    });
}

OperatorRefusal OperatorStore::toggleActive(const QString &name, bool *nowActive)
{
    return changeUnderLock([&](QList<Operator> &operators) {
        const qsizetype index = indexOfName(operators, name);
        if (index < 0)
            return OperatorRefusal::UnknownOperator;
        const QList<Operator> before = operators;
        bool &active = operators[index].active;
        active = !active;
        const OperatorRefusal refusal = keepsAnAdministrator(before, operators, index);
        if (refusal == OperatorRefusal::None && nowActive)
            *nowActive = active;
        return refusal;
    });
}

OperatorRefusal OperatorStore::setPassword(const QString &name, const QString &password, const QString &confirmation)
{
    const auto check = [&](const QList<Operator> &operators) {
        if (indexOfName(operators, name) < 0)
            return OperatorRefusal::UnknownOperator;
        if (isShortPassword(password))
            return OperatorRefusal::ShortPassword;
        if (password != confirmation)
            return OperatorRefusal::ConfirmationDiffers;
        return OperatorRefusal::None;
    };
    if (const OperatorRefusal refusal = check(read()); refusal != OperatorRefusal::None)
        return refusal;
    const QByteArray hash = hashOf(password);
    return changeUnderLock([&](QList<Operator> &operators) {
        const OperatorRefusal refusal = check(operators);
        if (refusal == OperatorRefusal::None)
            operators[indexOfName(operators, name)].hash = hash;
        return refusal;
    });
}

std::optional<Operator> OperatorStore::verify(const QString &typedName, const QString &password)
{
    const QList<Operator> operators = read();
    const qsizetype index = indexOfName(operators, typedName);
    const bool known = index >= 0 && operators.at(index).active;
    const bool matches = verifies(known ? operators.at(index).hash : QByteArray(StandInHash), password);
    if (known && matches)
        return operators.at(index);
    return std::nullopt;
}
