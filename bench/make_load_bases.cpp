// Writes the bases of the whole-load benchmark into a folder: rule bases of 10k, 100k and 1M
// rules, a rule base of 64k rules with distinct conclusions, a model base of 100k models with
// its rule base; each in CP1250 with CR LF as a user's file, and as Prolog clauses (UTF-8).
// Usage: make_load_bases FOLDER, or make_load_bases FOLDER rules|models COUNT MARK for one base
// of another size (REmark.BQZ, or MOmark.BQZ with REmark.BQZ), or chain|chain-reverse COUNT MARK
// for the rule chain of the forward benchmark (REmark.BQZ and mark.clp). Writes files only; measuring is
// load_bench.sh's.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "generate_bases.h"
#include "platform/files.h"

namespace {

void write_base(const files::Files& files, const std::string& name, const std::string& utf8,
                bench::BaseKind kind)
{
    files.write_text(name + ".BQZ", utf8, text::Encoding::Cp1250);
    files.write_bytes(name + ".pl", bench::prolog_clauses(utf8, kind));
    std::printf("%s.BQZ\n", name.c_str());
}

void write_model_base(const files::Files& files, const std::string& mark, std::size_t models)
{
    const bench::ModelBase base = bench::generate_model_base(models);
    write_base(files, "RE" + mark, base.rules, bench::BaseKind::rules);
    write_base(files, "MO" + mark, base.models, bench::BaseKind::models);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: make_load_bases FOLDER [rules|models|chain|chain-reverse COUNT MARK]\n");
        return 2;
    }
    try {
        const files::Files files(argv[1]);
        if (argc == 5) {
            const std::string kind = argv[2];
            const std::size_t count = std::strtoull(argv[3], nullptr, 10);
            if (kind == "chain" || kind == "chain-reverse") {
                const bool reverse = kind == "chain-reverse";
                files.write_text(std::string("RE") + argv[4] + ".BQZ", bench::generate_chain(count, reverse),
                                 text::Encoding::Cp1250);
                files.write_bytes(std::string(argv[4]) + ".clp", bench::clips_chain(count, reverse));
                return 0;
            }
            if (kind == "rules")
                write_base(files, std::string("RE") + argv[4], bench::generate_rule_base(count), bench::BaseKind::rules);
            else
                write_model_base(files, argv[4], count);
            return 0;
        }
        write_base(files, "RE10k", bench::generate_rule_base(10'000), bench::BaseKind::rules);
        write_base(files, "RE100k", bench::generate_rule_base(100'000), bench::BaseKind::rules);
        write_base(files, "RE1m", bench::generate_rule_base(1'000'000), bench::BaseKind::rules);
        write_base(files, "REdistinct64k", bench::generate_rule_base(64'000, 1, 64'000), bench::BaseKind::rules);
        write_model_base(files, "mod100k", 100'000);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_load_bases: %s\n", e.what());
        return 1;
    }
    return 0;
}
