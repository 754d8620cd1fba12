// For the browser tests: a temporary device folder laid out as the host lays
// it out, the host started on it with the browser display, and the display's
// page opened in Debian's Chromium through playwright-core.
//
// The host is taken from $RECON_BUILD_DIR (default build/dev of the
// repository): bin/darvik and the plug-ins under lib/.
import { execFileSync, spawn } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');
export const buildDir = path.resolve(process.env.RECON_BUILD_DIR || path.join(repository, 'build/dev'));
export const darvik = path.join(buildDir, 'bin/darvik');
export const repositoryPath = (...parts) => path.join(repository, ...parts);

// Chromium as Debian ships it; the flags keep it off the network and the sandbox off for root.
const chromiumOptions = {
  executablePath: process.env.RECON_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
};

export class Device {
  constructor(name) {
    this.root = mkdtempSync(path.join(tmpdir(), `${name}-`));
    this.hostFolder = path.join(this.root, 'Built-in Storage', 'Program Files', 'Darvik');
    this.storageCard = path.join(this.root, 'Storage Card');
    for (const folder of ['Cmd', 'Map']) mkdirSync(path.join(this.hostFolder, folder), { recursive: true });
    mkdirSync(this.storageCard, { recursive: true });
  }

  // Copies a built plug-in (a file under lib/) into the command folder as name.
  installPlugin(builtFile, name) {
    copyFileSync(path.join(buildDir, 'lib', builtFile), path.join(this.hostFolder, 'Cmd', name));
  }

  writeCommandTable(lines) {
    writeFileSync(path.join(this.hostFolder, 'Commands.ini'), `${lines.join('\n')}\n`);
  }

  // A file of the device by its device path ("\Storage Card\a.txt").
  file(devicePath) {
    return path.join(this.root, ...devicePath.split('\\').filter(Boolean));
  }

  read(devicePath) {
    const file = this.file(devicePath);
    return existsSync(file) ? readFileSync(file, 'utf8') : '';
  }

  // The map database as `darvik --dump` prints it.
  dump() {
    return execFileSync(darvik, ['--device', this.root, '--dump'], { encoding: 'utf8' });
  }

  remove() {
    rmSync(this.root, { recursive: true, force: true });
  }
}

// Starts `darvik --device <root> --web 0` and waits for the address it prints.
export function startHost(device) {
  const host = spawn(darvik, ['--device', device.root, '--web', '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  const exited = new Promise((resolve) => host.on('exit', (code) => resolve(code)));
  const url = new Promise((resolve, reject) => {
    let printed = '';
    host.stdout.on('data', (chunk) => {
      printed += chunk.toString();
      const found = printed.match(/web display: (http:\/\/\S+)/);
      if (found) resolve(found[1]);
    });
    exited.then((code) => reject(new Error(`darvik ended (${code}) before it listened`)));
  });
  return { process: host, url, exited };
}

export async function openPage(url) {
  const browser = await chromium.launch(chromiumOptions);
  const page = await browser.newPage({ viewport: { width: 620, height: 820 } });
  await page.goto(url);
  return { browser, page };
}

// The running host and its page, for a suite of tests.
export class Session {
  static async start(device) {
    const session = new Session();
    session.device = device;
    session.host = startHost(device);
    const url = await session.host.url;
    session.url = url;
    ({ browser: session.browser, page: session.page } = await openPage(url));
    await session.page.locator('.win[data-text="Darvik"]').waitFor();
    return session;
  }

  // Ends the browser and, when it still runs, the host.
  async stop() {
    await this.browser?.close();
    if (this.host.process.exitCode === null) this.host.process.kill('SIGTERM');
    await this.host.exited;
  }
}
