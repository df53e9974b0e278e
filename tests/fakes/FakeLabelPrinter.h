#pragma once

#include "fakes/FakeHook.h"
#include "platform/LabelPrinter.h"

#include <QList>
#include <QString>

#include <memory>

// Labels measured by rule and printed into memory. A symbol is as wide as its kind is in modules
// (a Code 128 by its length), a line of text half its height per character; every job opened is
// kept with its pages, and whether it was finished. Make an operation fail through the hook
// ("measureSymbol", "textWidthMm", "openPdf", "openPrinter", "add", "finish").
class FakeLabelPrinter final : public LabelPrinter
{
public:
    ~FakeLabelPrinter() override;

    struct Job
    {
        QString path; // empty for a printer
        LabelPaper paper;
        int pageCount = 0; // what the print dialog was told
        QList<LabelPage> pages;
        bool finished = false;
    };

    SymbolMetrics measureSymbol(LabelSymbology symbology, const QString& data, bool digits) override
    {
        hook(u"measureSymbol");
        const double added = digits ? 8.2 : 5;
        switch (symbology) {
        case LabelSymbology::Ean13:
        case LabelSymbology::Isbn:
        case LabelSymbology::UpcA:
            return {113, 4, 106, added};
        case LabelSymbology::Ean8:
            return {81, 7, 74, added};
        case LabelSymbology::UpcE:
            return {67, 4, 60, added};
        case LabelSymbology::Itf14:
            return {155, 10, 145, digits ? 13.0 : 10.0};
        case LabelSymbology::Code128:
            break;
        }
        const double width = 11.0 * double(data.size()) + 55;
        return {width, 10, width - 10, digits ? 7.0 : 0.0};
    }
    double textWidthMm(const QString& text, double sizeMm, bool) override
    {
        hook(u"textWidthMm");
        return 0.5 * sizeMm * double(text.size());
    }
    std::unique_ptr<LabelPages> openPdf(const QString& path, const LabelPaper& paper) override
    {
        hook(u"openPdf");
        jobs.append(Job{path, paper, 0, {}, false});
        return std::make_unique<Pages>(*this, jobs.size() - 1);
    }
    std::unique_ptr<LabelPages> openPrinter(const LabelPaper& paper, int pageCount) override
    {
        hook(u"openPrinter");
        if (printerCancelled)
            return nullptr;
        jobs.append(Job{{}, paper, pageCount, {}, false});
        return std::make_unique<Pages>(*this, jobs.size() - 1);
    }

    // The user cancels the print dialog.
    bool printerCancelled = false;
    QList<Job> jobs;
    FakeHook hook{
        "FakeLabelPrinter",
        {u"measureSymbol", u"textWidthMm", u"openPdf", u"openPrinter", u"add", u"finish"}};

private:
    class Pages final : public LabelPages
    {
    public:
        Pages(FakeLabelPrinter& printer, qsizetype job)
            : m_printer(printer)
            , m_job(job)
        {}
        void add(const LabelPage& page) override
        {
            m_printer.hook(u"add");
            m_printer.jobs[m_job].pages.append(page);
        }
        void finish() override
        {
            m_printer.hook(u"finish");
            m_printer.jobs[m_job].finished = true;
        }

    private:
        FakeLabelPrinter& m_printer;
        qsizetype m_job;
    };
};
