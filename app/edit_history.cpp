#include "app/edit_history.h"

#include "channels/command_keys.h"
#include "core/command_text.h"

#include <algorithm>

CEditHistory::CEditHistory(ICommandTarget& data, std::size_t depth)
    : m_data(data), m_depth(std::max<std::size_t>(depth, 1))
{
}

std::string CEditHistory::CurrentImage()
{
    return m_data.Execute(keys::kImage);
}

CEditHistory::Image CEditHistory::Share(const std::string& image)
{
    // The image after one step is normally the image before the next: keep one copy for both.
    if (m_next > 0 && *m_steps[m_next - 1].after == image) {
        return m_steps[m_next - 1].after;
    }
    return std::make_shared<const std::string>(image);
}

bool CEditHistory::Push(int nameId, const std::string& before, const std::string& after)
{
    return Push(nameId, before, after, kNoRow, kNoRow);
}

bool CEditHistory::Push(int nameId, const std::string& before, const std::string& after, int rowBefore,
                        int rowAfter)
{
    if (before == after) {
        return false;
    }
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_next), m_steps.end());
    Image shared = Share(before);
    m_steps.push_back(SStep{nameId, shared, std::make_shared<const std::string>(after), rowBefore, rowAfter});
    while (m_steps.size() > m_depth) {
        m_steps.pop_front();
    }
    m_next = m_steps.size();
    return true;
}

int CEditHistory::UndoNameId() const
{
    return CanUndo() ? m_steps[m_next - 1].nameId : 0;
}

int CEditHistory::RedoNameId() const
{
    return CanRedo() ? m_steps[m_next].nameId : 0;
}

bool CEditHistory::Restore(const std::string& image)
{
    return m_data.Execute(std::string(keys::kImage) + "=" + image) == answer::kOk;
}

bool CEditHistory::Undo()
{
    if (!CanUndo() || !Restore(*m_steps[m_next - 1].before)) {
        return false;
    }
    --m_next;
    m_selectedRow = m_steps[m_next].rowBefore;
    return true;
}

bool CEditHistory::Redo()
{
    if (!CanRedo() || !Restore(*m_steps[m_next].after)) {
        return false;
    }
    m_selectedRow = m_steps[m_next].rowAfter;
    ++m_next;
    return true;
}

void CEditHistory::Clear()
{
    m_steps.clear();
    m_next = 0;
    m_selectedRow = kNoRow;
}
