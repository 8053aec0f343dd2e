#pragma once

#include "framework/qt/ScopedGraphics.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "tests/support/MsgBoxRecorder.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScriptFolder.h"
#include "tests/support/ScriptReceiver.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

// The cell painted into an area wide enough for every caption of the tests to show whole.
inline QImage paintedCell(const fw::Ref<ButtonsCell>& cell)
{
    QImage image = pixels::filled(400, 20, fw::Color { 0x00FF00 });
    fw::qt::ScopedGraphics g(image);
    cell->cellPaint(g.get(), 0);
    return image;
}

// Whether the cell draws its caption as a new button cell of `caption`, with the same face, draws it.
// This tells only how it looks: two captions that draw alike pass for each other.
inline bool showsCaption(const fw::Ref<ButtonsCell>& cell, const std::string& caption)
{
    fw::Ref<ButtonsCell> shown = fw::New<ButtonsCell>(fw::String(caption), cell->myself);
    shown->mycolor = cell->mycolor;
    return paintedCell(cell) == paintedCell(shown);
}

// A cell's caption in its exact bytes, seen by what a click on the cell runs: the file named caption +
// ".rbs" in the program's folder. While it clicks, the probe puts in that folder's place one of its
// own that holds that file alone, and takes the send as an IDE of its own in a runtime folder of its
// own: the file's script comes through only from a cell of exactly that caption, and the test's
// folder, IDE and message boxes see nothing of it.
class CaptionProbe {
public:
    testing::AssertionResult captioned(const fw::Ref<ButtonsCell>& cell, const std::string& caption)
    {
        if (!m_ide.listening())
            return testing::AssertionFailure() << "the probe's IDE does not listen";
        const std::string file = caption + ".rbs";
        const std::string script = "probe " + std::to_string(++m_probes);
        {
            ScriptFolder alone;
            if (!writeFile(alone.pathOf(file), script))
                return testing::AssertionFailure() << "cannot write " << testing::PrintToString(file);
            // The face comes back as the list brings it back after the press flash.
            const fw::Color face = cell->mycolor;
            cell->cellClick(0, 0);
            cell->mycolor = face;
        }
        const std::vector<std::string> sent = m_ide.scripts();
        const bool ran = sent.size() == m_sent + 1 && sent.back() == script;
        m_sent = sent.size();
        if (!ran)
            return testing::AssertionFailure() << "a click does not run " << testing::PrintToString(file);
        if (!m_boxes.texts.empty())
            return testing::AssertionFailure()
                << "the probe's click showed \"" << m_boxes.texts.front() << "\"";
        return testing::AssertionSuccess();
    }

private:
    TemporaryRuntimeDirectory m_runtime;
    ScriptReceiver m_ide; // in the runtime folder above
    MsgBoxRecorder m_boxes;
    size_t m_sent = 0;
    int m_probes = 0;
};

// Whether the cell's caption is exactly `caption`.
inline testing::AssertionResult hasCaption(const fw::Ref<ButtonsCell>& cell, const std::string& caption)
{
    return CaptionProbe().captioned(cell, caption);
}

// Whether the list's rows hold button cells of exactly these captions, one row each, in this order.
inline testing::AssertionResult rowsHoldCaptions(
    const fw::Ref<CustomCellListbox>& list, const std::vector<std::string>& captions)
{
    if (list->ListCount() != static_cast<int32_t>(captions.size()))
        return testing::AssertionFailure()
            << list->ListCount() << " rows for " << captions.size() << " captions";
    CaptionProbe probe;
    std::string wrong;
    for (int32_t row = 0; row < list->ListCount(); ++row) {
        const fw::Ref<fw::Object> held = list->CellTag(row, 0).objectValue();
        if (!fw::IsA<ButtonsCell>(held)) {
            wrong += "\nrow " + std::to_string(row) + " holds no button cell";
            continue;
        }
        const testing::AssertionResult captioned
            = probe.captioned(fw::Cast<ButtonsCell>(held), captions[static_cast<size_t>(row)]);
        if (!captioned)
            wrong += "\nrow " + std::to_string(row) + ": " + captioned.message();
    }
    if (!wrong.empty())
        return testing::AssertionFailure() << "the rows differ from the captions:" << wrong;
    return testing::AssertionSuccess();
}
