#include "WriteFaults.h"

#include <QFileInfo>
#include <QTest>

namespace write_faults_detail {
void arm(const char *folder, int failAt, long long diskBytes);
void disarm();
int operations();
const char *struck();
bool available();
} // namespace write_faults_detail

namespace detail = write_faults_detail;

namespace {

QByteArray canonical(const QString &folder)
{
    const QString path = QFileInfo(folder).canonicalFilePath();
    return (path.isEmpty() ? folder : path).toLocal8Bit();
}

} // namespace

WriteFaults::WriteFaults(const QString &folder)
    : m_folder(canonical(folder))
{
    detail::arm(m_folder.constData(), 0, -1);
}

WriteFaults::~WriteFaults()
{
    detail::disarm();
}

void WriteFaults::failAt(int n)
{
    detail::arm(m_folder.constData(), n, -1);
}

void WriteFaults::fillDiskAfter(long long bytes)
{
    detail::arm(m_folder.constData(), 0, bytes);
}

int WriteFaults::operations() const
{
    return detail::operations();
}

bool WriteFaults::struck() const
{
    return detail::struck() != nullptr;
}

QString WriteFaults::struckOperation() const
{
    const char *name = detail::struck();
    return name ? QString::fromLatin1(name) : QString();
}

bool WriteFaults::available()
{
    return detail::available();
}

namespace {

int strikeInTurn(const QString &folder, const std::function<void(WriteFaults &, int)> &arm, long long pointValue,
    const std::function<void()> &prepare, const std::function<void()> &attempt,
    const std::function<void(const FaultRun &)> &check)
{
    for (int n = 1;; ++n) {
        prepare();
        FaultRun run;
        {
            WriteFaults faults(folder);
            arm(faults, n);
            attempt();
            run.point = int(pointValue < 0 ? n : (n - 1) * pointValue);
            run.struck = faults.struck();
            run.operation = faults.struckOperation();
        }
        check(run);
        if (QTest::currentTestFailed() || !run.struck)
            return n - 1;
        // A runaway operation would loop for ever: no save needs this many steps.
        if (n > 10000) {
            QTest::qFail("the operation never ran to its end", __FILE__, __LINE__);
            return n;
        }
    }
}

} // namespace

int StrikeEveryStep(const QString &folder, const std::function<void()> &prepare, const std::function<void()> &attempt,
    const std::function<void(const FaultRun &)> &check)
{
    return strikeInTurn(
        folder, [](WriteFaults &faults, int n) { faults.failAt(n); }, -1, prepare, attempt, check);
}

int FillDiskAtEveryStep(const QString &folder, long long step, const std::function<void()> &prepare,
    const std::function<void()> &attempt, const std::function<void(const FaultRun &)> &check)
{
    return strikeInTurn(
        folder, [step](WriteFaults &faults, int n) { faults.fillDiskAfter((n - 1) * step); }, step, prepare, attempt,
        check);
}
