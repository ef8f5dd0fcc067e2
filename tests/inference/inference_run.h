// A program for the tests of the inference core: the knowledge bases put into the store as their
// loads leave them, a body run as the handler of one menu command in the headless main window,
// the user's side from a script, and helpers to read the run's records. Test support only.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "../kb/bazy_run.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "platform/factfile.h"
#include "platform/text.h"

namespace inference::test {

class InferenceRun : public kb::test::BazyRun {
protected:
    InferenceRun() = default;
    // Runs at a detail level ("duża" or "mała").
    explicit InferenceRun(std::string poziom) : szczegolowosc(std::move(poziom)) {}

    // The bases, given as fact-file text: each goes into its database when the next run starts.
    std::string reguly;
    std::string modele;
    std::string dokladne;    // exact constraints; loaded (with its name) when not empty
    std::string niepewne;    // uncertain constraints; loaded (with its name) when not empty
    bool dokladna_zaladowana = false;  // a loaded exact base even when it holds no constraint
    bool niepewna_zaladowana = false;
    std::string szczegolowosc;         // "duża", "mała" or none

    // Runs body over a fresh program holding the bases; the transcript of the body's run.
    std::string uruchom(const std::string& kroki, const std::function<void(kb::Context&)>& body)
    {
        return run(kroki, [&](kb::Context& ctx) {
            factfile::load_text(ctx.db.baza_regul, reguly);
            factfile::load_text(ctx.db.baza_modeli, modele);
            if (!dokladne.empty() || dokladna_zaladowana) {
                factfile::load_text(ctx.db.baza_ograniczen, dokladne);
                ctx.db.baza_ograniczen.nazwa_og.add_first("OGtest.BQZ");
            }
            if (!niepewne.empty() || niepewna_zaladowana) {
                factfile::load_text(ctx.db.baza_ograniczen_p, niepewne);
                ctx.db.baza_ograniczen_p.nazwa_op.add_first("ONtest.BQZ");
            }
            if (!szczegolowosc.empty()) ctx.db.stan.szczegolowosc.add_last(szczegolowosc);
            body(ctx);
        });
    }

    kb::Context& ctx() { return *ctx_; }

    // Every resultant in stored order, as "name=CF" ("a=1", "na=-1").
    std::vector<std::string> wypadkowe() const
    {
        std::vector<std::string> out;
        for (const kb::NazwaWartosc& w : ctx_->db.stan_ladowania.wypadkowa_prbd.all())
            out.push_back(w.nazwa + "=" + text::real_to_text(w.wartosc));
        return out;
    }

    // Every established value, "name=value", in the order recorded.
    std::vector<std::string> ustalone() const
    {
        std::vector<std::string> out;
        for (const kb::NazwaWartosc& z : ctx_->db.stan.zmienna_ustalona.all())
            out.push_back(z.nazwa + "=" + text::real_to_text(z.wartosc));
        return out;
    }
    // The numbers of the models applied, in the order recorded.
    std::vector<std::int32_t> zastosowane() const { return ctx_->db.stan_ladowania.model_stosowany.all(); }
    // The report text of the run.
    std::string raport() { return ctx().db.baza_raportu.tekst_raportu.first().value_or(""); }

    // The lines of the transcript that hold the text.
    static std::vector<std::string> wiersze_z(const std::string& transcript, const std::string& tekst)
    {
        std::vector<std::string> out;
        std::size_t from = 0;
        while (from < transcript.size()) {
            std::size_t to = transcript.find('\n', from);
            if (to == std::string::npos) to = transcript.size();
            const std::string line = transcript.substr(from, to - from);
            if (line.find(tekst) != std::string::npos) out.push_back(line);
            from = to + 1;
        }
        return out;
    }
    static bool zawiera(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

}  // namespace inference::test
