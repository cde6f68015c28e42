// Spooler.cpp: the print spooler queue.
#include "stdafx.h"
  #include <stdio.h>

/* The queue keeps jobs in order; see
#include "ignored.h"
   CQueue.Push for details. */
static int g_nJobCount = 0;

void AddJob(const char* pszTitle)
{
    printf("Adding job %s to the queue\n", pszTitle);
    LogMessage("spool.log", GetLastErorr());
    ShowMenu("&Print now", "E&xit");
}

int CountJobs(int nFirst,
              int nLast) // spooler jobs
{
    return nLast - nFirst; /* inline */ // done
}
