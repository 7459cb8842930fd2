#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/printer/PrintQueue.h"
#include "tests/support/DocumentReaders.h"
#include "tests/support/TestEnvironment.h"

// A spooler that keeps what it was handed; installed for the life of the object.
class FakePrintQueue : public forms::PrintQueue {
public:
    // Copies of the documents go into `keepFolder` when one is given.
    explicit FakePrintQueue(std::string keepFolder = {}) : keepFolder_(std::move(keepFolder)) {
        forms::SetPrintQueue(this);
    }
    ~FakePrintQueue() override { forms::SetPrintQueue(nullptr); }
    FakePrintQueue(const FakePrintQueue&) = delete;
    FakePrintQueue& operator=(const FakePrintQueue&) = delete;

    std::string destination = "office";  // the default queue
    std::string paper;                   // every queue's default paper; "" names none
    bool accept = true;
    // What each job was handed with.
    struct Job {
        std::string queue;
        std::string title;
        int copies = 0;
        std::string path;  // the file it was handed
    };
    std::vector<Job> jobs;
    // Runs as each job is handed over (a disk filling up meanwhile, say).
    std::function<void()> whenSubmitted;
    std::vector<std::string> submittedBytes;
    std::vector<std::string> keptFiles;

    std::string DefaultDestination() override { return destination; }
    std::string DefaultPaper(const std::string&) override { return paper; }
    bool Submit(const std::string& pdfPath, const std::string& queue, const std::string& title,
                int copies) override {
        jobs.push_back({queue, title, copies, pdfPath});
        if (whenSubmitted) whenSubmitted();
        submittedBytes.push_back(TestEnvironment::ReadFile(pdfPath));
        if (!keepFolder_.empty()) {
            std::string kept = keepFolder_ + "job" + std::to_string(keptFiles.size() + 1) + ".pdf";
            std::filesystem::copy_file(pdfPath, kept);
            keptFiles.push_back(kept);
        }
        return accept;
    }

    // The page texts of the last document kept.
    std::vector<std::string> LastPages() const {
        if (keptFiles.empty()) return {};
        return readers::PdfPages(keptFiles.back());
    }

private:
    std::string keepFolder_;
};
