// e2e_driver <case> <program>: starts the program under test in a fresh folder, works it
// from outside as a user and Windows would, and exits 0 when every check held.
// e2e_driver bench <program>: one run of the benchmark's figures.
#include <cstdio>
#include <cstring>

#include "bench.h"
#include "cases.h"
#include "checks.h"
#include "session.h"

namespace {

struct Case {
    const char* name;
    void (*run)();
};

const Case kCases[] = {
    {"startup_notice", caseStartupNotice},
    {"main_window", caseMainWindow},
    {"fatal_error", caseFatalError},
    {"tab_order", caseTabOrder},
    {"enter_and_space", caseEnterAndSpace},
    {"esc_closes", caseEscCloses},
    {"close_ways", caseCloseWays},
    {"map_job", caseMapJob},
    {"delete_job", caseDeleteJob},
    {"address_changed_during_delete", caseAddressChangedDuringDelete},
    {"unsafe_addresses", caseUnsafeAddresses},
    {"add_failures", caseAddFailures},
    {"address_edge_cases", caseAddressEdgeCases},
    {"responsive_during_job", caseResponsiveDuringJob},
    {"page_opened", casePageOpened},
    {"many_jobs", caseManyJobs},
    {"close_during_jobs", caseCloseDuringJobs},
    {"hanging_command", caseHangingCommand},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: e2e_driver <case>|bench <program.exe>\ncases:");
        for (const Case& c : kCases) {
            std::printf(" %s", c.name);
        }
        std::printf("\n");
        return 2;
    }
    setProgramPath(argv[2]);
    if (std::strcmp(argv[1], "bench") == 0) {
        return runBenchmark();
    }
    for (const Case& c : kCases) {
        if (std::strcmp(c.name, argv[1]) == 0) {
            note("case %s", c.name);
            c.run();
            std::printf("%s %s\n", anyCheckFailed() ? "FAILED" : "passed", c.name);
            return anyCheckFailed() ? 1 : 0;
        }
    }
    std::printf("unknown case %s\n", argv[1]);
    return 2;
}
