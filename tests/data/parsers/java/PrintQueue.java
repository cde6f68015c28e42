// PrintQueue.java: jobs waiting for the printer.
package com.example.spool;

import java.util.ArrayList;
import java.util.List;

/**
 * Keeps print jobs in the order they arrived; see
 * {@link PrintJob} for what a job holds. Recieved jobs
 * are never dropped.
 */
public class PrintQueue {
    private static final int MAX_JOBS = 64;
    private final List<PrintJob> m_jobList = new ArrayList<>();
    private int nextJobId = 1;

    /* Adds a job; returns its number. */
    public int addJob(String strTitle, int nCopies) {
        if (m_jobList.size() >= MAX_JOBS) {
            throw new IllegalStateException("The queue is full, try again later");
        }
        m_jobList.add(new PrintJob(nextJobId, strTitle,
                                   nCopies)); // copies of the same jbo
        System.out.println("Added \"" + strTitle + "\" to the queue\n");
        return nextJobId++;
    }

    public String describe(int nIndex) {
        char chMark = 'x';
        String path = "spool.log";
        String notAFile = "see notes.txt first";
        return String.format("Job %d of %d: %s", nIndex, m_jobList.size(),
                             m_jobList.get(nIndex).getTitle()) + chMark;
    }

    // The printer's driver reads config.settings and defualt.ini.
    public boolean isEmpty() { return m_jobList.isEmpty(); /* nothing left */ }

    public void logError(Exception e) {
        System.err.println("Could not wirte the job: " + e.getMessage() +
                           " at C:\\spool\\queue");
    }

    private int countWaitingJobz() {
        int n = 0; // don't count held jobs
        for (PrintJob job : m_jobList)
            if (!job.isHeld())
                ++n;
        return n;
    }
}
