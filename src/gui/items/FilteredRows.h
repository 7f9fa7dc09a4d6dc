#pragma once

#include <iterator>
#include <vector>

// The rows of a long list, read in steps and kept in memory, and the rows a
// search shows as a list of positions over them: typing never goes back to
// the database and never copies the rows. The models that own one tell
// their views about inserted rows and resets themselves: the functions that
// change what is shown take the model's begin/end calls.
template<class Row>
class FilteredRows
{
public:
    // Rows shown (all of them while no filter is set).
    int count() const { return m_all ? int(m_rows.size()) : int(m_visible.size()); }
    // Rows read, before the filter.
    int total() const { return int(m_rows.size()); }
    bool unfiltered() const { return m_all; }

    const Row *at(int shown) const
    {
        return shown >= 0 && shown < count() ? &m_rows[position(shown)] : nullptr;
    }
    Row *at(int shown)
    {
        return shown >= 0 && shown < count() ? &m_rows[position(shown)] : nullptr;
    }

    // The shown row of the first row that satisfies pred, -1 for none.
    template<class Pred>
    int find(Pred pred) const
    {
        const int n = count();
        for (int r = 0; r < n; ++r)
            if (pred(m_rows[position(r)]))
                return r;
        return -1;
    }

    // Every row read, to insert or remove rows in place; rebuild() after.
    std::vector<Row> &rows() { return m_rows; }
    const std::vector<Row> &rows() const { return m_rows; }

    // Forgets every row; filtered tells whether a filter is set.
    void clear(bool filtered)
    {
        m_rows.clear();
        m_rows.shrink_to_fit();
        m_visible.clear();
        m_all = !filtered;
    }

    // Adds the rows of one reading step. The rows among them that the
    // filter shows are announced with begin(first, last) ... end().
    template<class Match, class Begin, class End>
    void append(std::vector<Row> &&chunk, Match matches, Begin begin, End end)
    {
        if (chunk.empty())
            return;
        const size_t start = m_rows.size();
        if (m_all) {
            begin(int(start), int(start + chunk.size()) - 1);
            std::move(chunk.begin(), chunk.end(), std::back_inserter(m_rows));
            end();
            return;
        }
        std::move(chunk.begin(), chunk.end(), std::back_inserter(m_rows));
        std::vector<int> found;
        for (size_t i = start; i < m_rows.size(); ++i)
            if (matches(m_rows[i]))
                found.push_back(int(i));
        if (found.empty())
            return;
        begin(int(m_visible.size()), int(m_visible.size() + found.size()) - 1);
        m_visible.insert(m_visible.end(), found.begin(), found.end());
        end();
    }

    // A new filter (call between the model's reset calls). A narrowing
    // filter (one that can only drop rows of the current list) looks at the
    // shown rows only.
    template<class Match>
    void setFilter(bool filtered, bool narrowing, Match matches)
    {
        if (!filtered) {
            m_all = true;
            m_visible.clear();
            m_visible.shrink_to_fit();
        } else if (narrowing && !m_all) {
            std::vector<int> kept;
            for (int i : m_visible)
                if (matches(m_rows[size_t(i)]))
                    kept.push_back(i);
            m_visible.swap(kept);
        } else {
            m_all = false;
            rebuild(matches);
        }
    }

    // The shown rows again after rows() changed (call between the model's
    // reset calls).
    template<class Match>
    void rebuild(Match matches)
    {
        if (m_all)
            return;
        m_visible.clear();
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (matches(m_rows[i]))
                m_visible.push_back(int(i));
    }

private:
    size_t position(int shown) const
    {
        return m_all ? size_t(shown) : size_t(m_visible[size_t(shown)]);
    }

    std::vector<Row> m_rows;
    std::vector<int> m_visible; // positions in m_rows while a filter is set
    bool m_all = true;
};
