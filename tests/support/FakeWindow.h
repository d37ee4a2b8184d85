// In-memory window for the panel logic: field texts, indicator images,
// enabled states and message boxes, plus a journal of every operation.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "panel/WindowOps.h"
#include "support/Journal.h"

class FakeWindow : public WindowOps {
public:
    explicit FakeWindow(Journal* journal = nullptr) : m_journal(journal) {}

    std::wstring GetFieldText(int id) override {
        ++fieldReads;
        return texts[id];
    }
    void SetFieldText(int id, const std::wstring& text) override {
        texts[id] = text;
        Note("text " + std::to_string(id) + " " + Narrow(text));
    }
    void SetIndicatorImage(int id, int image) override {
        images[id] = image;
        imageLog.push_back({id, image});
        Note("image " + std::to_string(id) + " " + std::to_string(image));
    }
    void EnableCommand(int id, bool on) override {
        enabled[id] = on;
        Note("enable " + std::to_string(id) + " " + (on ? "1" : "0"));
    }
    void ShowMessage(const std::wstring& text) override {
        messages.push_back(text);
        Note("message " + Narrow(text));
    }

    std::map<int, std::wstring> texts;
    std::map<int, int> images;
    std::map<int, bool> enabled;
    std::vector<std::pair<int, int>> imageLog;
    std::vector<std::wstring> messages;
    int fieldReads = 0;

private:
    void Note(const std::string& entry) {
        if (m_journal)
            m_journal->push_back(entry);
    }
    Journal* m_journal;
};
