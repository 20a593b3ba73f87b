// The end-to-end cases; each is one CTest test, chosen by name on the driver's command line.
#pragma once

// Start-up and the window as built.
void caseStartupNotice();
void caseMainWindow();
void caseFatalError();

// Keyboard and closing.
void caseTabOrder();
void caseEnterAndSpace();
void caseEscCloses();
void caseCloseWays();

// The jobs and the page.
void caseMapJob();
void caseDeleteJob();
void caseAddressChangedDuringDelete();
void caseUnsafeAddresses();
void caseAddFailures();
void caseAddressEdgeCases();
void caseResponsiveDuringJob();
void casePageOpened();

// Stress and faults.
void caseManyJobs();
void caseCloseDuringJobs();
void caseHangingCommand();
