#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

class ICommandTarget;

// Undo and redo for the document: every change made through the program is one step, kept as the
// healed image before and after it ("IMAGE" answers it as hexadecimal text, "IMAGE=<hex>" puts it back
// and decodes everything afresh). Whole images cost 5.6 kB a step, and consecutive steps share the
// image between them, so a deep history stays small.
class CEditHistory
{
public:
    static constexpr std::size_t kDefaultDepth = 1000;

    explicit CEditHistory(ICommandTarget& data, std::size_t depth = kDefaultDepth);

    // The working image now, as "IMAGE" answers it.
    std::string CurrentImage();

    // Keeps a step when the two images differ; the redo steps are dropped then. The oldest step goes
    // when the history is full. True when a step was kept.
    bool Push(int nameId, const std::string& before, const std::string& after);
    // The same, for a step that carries a channel from one row to another: undoing it selects the row
    // before again, redoing it the row after (see SelectedRow).
    bool Push(int nameId, const std::string& before, const std::string& after, int rowBefore, int rowAfter);

    bool CanUndo() const { return m_next > 0; }
    bool CanRedo() const { return m_next < m_steps.size(); }
    // String-table identifier of the step that Undo or Redo would take back or replay; 0 when none.
    int UndoNameId() const;
    int RedoNameId() const;
    std::size_t UndoCount() const { return m_next; }
    std::size_t RedoCount() const { return m_steps.size() - m_next; }
    std::size_t Depth() const { return m_depth; }

    // Puts back the image before the last step (after the next undone step). False when there is no
    // step, or the data refused the image, in which case the history is left as it was.
    bool Undo();
    bool Redo();
    // The row the last Undo or Redo took the selection to; kNoRow when its step carries no row.
    int SelectedRow() const { return m_selectedRow; }
    static constexpr int kNoRow = -1;

    void Clear();

private:
    using Image = std::shared_ptr<const std::string>;

    struct SStep
    {
        int nameId;
        Image before;
        Image after;
        int rowBefore = kNoRow;
        int rowAfter = kNoRow;
    };

    Image Share(const std::string& image);
    bool Restore(const std::string& image);

    ICommandTarget& m_data;
    std::size_t m_depth;
    std::deque<SStep> m_steps;
    // Steps before this index are done; the rest were undone and can be redone.
    std::size_t m_next = 0;
    int m_selectedRow = kNoRow;
};
