// Starts each mapping job on a detached worker thread of its own.
#pragma once

// Both return at once; whether the thread could be created is not looked at.
void startMapJob();
void startDeleteJob();
