// One headless chromium for many pages: the machine's own browser, never a downloaded one.
import puppeteer from 'puppeteer-core';

export const CHROMIUM = process.env.LAMELIX_CHROMIUM || '/usr/bin/chromium';

export function lanceNavigateur() {
    return puppeteer.launch({
        executablePath : CHROMIUM,
        headless : true,
        args : [ '--no-sandbox', '--disable-gpu', '--allow-file-access-from-files' ],
    });
}

// Waits until the page has loaded its key (or failed to).
export async function attendPret(page) {
    await page.waitForSelector('main[data-pret="1"]', {timeout : 60000});
}
