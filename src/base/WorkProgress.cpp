#include "base/WorkProgress.h"

#include <algorithm>

namespace {

thread_local WorkProgress *current = nullptr;

} // namespace

int WorkProgress::permille() const
{
    const qint64 total = m_total;
    if (total <= 0)
        return 0;
    return int(std::clamp<qint64>(m_done * 1000 / total, 0, 1000));
}

WorkProgress::Scope::Scope(WorkProgress &progress)
    : m_previous(current)
{
    current = &progress;
}

WorkProgress::Scope::~Scope()
{
    current = m_previous;
}

void WorkProgress::expectRead(qint64 amount)
{
    if (current)
        current->expect(amount);
}

void WorkProgress::read(qint64 amount)
{
    if (!current)
        return;
    current->advance(amount);
    if (current->cancelled())
        throw WorkCancelled {};
}
