// The browser display with the host's test command plug-in (tests/plugins):
// the host's window, bar and map at the screen's size, the command's dialog
// with every kind of control it carries, taps, typing, keys, choices, the
// file dialog, a beep, map pan and zoom, and the exit question; and the
// taller screen of the other model.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import { Device, Session } from './support/host.mjs';
import { becomes, control, gone, settled, shown, windowByCaption } from './support/screen.mjs';

describe('the browser display with the test command', () => {
  let device;
  let session;
  let page;

  before(async () => {
    device = new Device('web-test-command');
    device.installPlugin('libTestCommand.so', 'TestCommand.dll');
    device.writeCommandTable(['テスト=TestCommand.dll,7,301']);
    session = await Session.start(device);
    page = session.page;
  });

  after(async () => {
    await session?.stop();
    device?.remove();
  });

  const host = () => windowByCaption(page, 'Darvik');
  const dialog = () => windowByCaption(page, 'TestCommand');

  it('shows the host filling the screen, with its command bar above the map', async () => {
    const screen = page.locator('#screen');
    assert.equal(await screen.getAttribute('data-screen-width'), '240');
    assert.equal(await screen.getAttribute('data-screen-height'), '320');
    await shown(host().locator('.caption .close'));
    assert.equal(await control(host(), 301).getAttribute('data-text'), 'テスト');
    assert.equal(await control(host(), 40001).getAttribute('data-text'), '終了');
    await shown(host().locator('[data-part="map"]'));
  });

  it('zooms and pans the map', async () => {
    const map = host().locator('[data-part="map"]');
    await becomes(map, 'data-scale', '1');
    await map.locator('[data-part="zoom-in"]').click();
    await becomes(map, 'data-scale', '0.5');
    const box = await map.boundingBox();
    const factor = box.width / 236;
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.mouse.down();
    await page.mouse.move(box.x + box.width / 2 + 20 * factor, box.y + box.height / 2 + 10 * factor, { steps: 4 });
    await page.mouse.up();
    // dragged 20 px east and 10 px south at 0.5 units a pixel: the centre moves 10 west (Y) and 5 north (X)
    await becomes(map, 'data-centre', '5,-10');
  });

  it('runs the command and shows its dialog with its controls', async () => {
    await control(host(), 301).click();
    await shown(dialog());
    await shown(dialog().locator('.caption .close'));
    assert.equal(await control(dialog(), 201).getAttribute('data-text'), 'running');
    for (const [id, kind] of [[202, 'combobox'], [203, 'button'], [206, 'edit'], [208, 'listview'], [211, 'tab']]) {
      assert.equal(await control(dialog(), id).getAttribute('data-kind'), kind, `control ${id}`);
    }
    await shown(control(dialog(), 207).and(page.locator('.disabled')));
  });

  it('ticks a check box and chooses a radio button', async () => {
    await control(dialog(), 203).click();
    await becomes(control(dialog(), 203), 'data-checked', '1');
    await control(dialog(), 205).click();
    await becomes(control(dialog(), 205), 'data-checked', '1');
    await becomes(control(dialog(), 204), 'data-checked', '0');
  });

  it('opens a combo box and chooses an item of its list', async () => {
    await control(dialog(), 202).click();
    const item = page.locator('.droplist .item', { hasText: '青' });
    await shown(item);
    await item.click();
    await becomes(control(dialog(), 202), 'data-selected', '1');
    await becomes(control(dialog(), 202), 'data-text', '青');
    await gone(page.locator('.droplist'));
  });

  it('types into an edit, Japanese too, and deletes with Backspace', async () => {
    await control(dialog(), 206).click();
    await becomes(page.locator('body'), 'data-pending', '0');
    await page.keyboard.type('ab');
    await page.keyboard.insertText('東京');
    await becomes(control(dialog(), 206), 'data-text', 'ab東京');
    await page.keyboard.press('Backspace');
    await becomes(control(dialog(), 206), 'data-text', 'ab東');
  });

  it('selects a list row and switches tabs', async () => {
    await control(dialog(), 208).locator('[data-row="1"]').click();
    await becomes(control(dialog(), 208), 'data-selected', '1');
    assert.equal(await control(dialog(), 208).locator('[data-row="1"] .cell').first().textContent(), 'A2');
    await control(dialog(), 211).locator('[data-tab="1"]').click();
    await becomes(control(dialog(), 211), 'data-selected', '1');
  });

  it('runs the open file dialog and chooses a file', async () => {
    const { writeFileSync } = await import('node:fs');
    writeFileSync(device.file('\\Storage Card\\a.txt'), 'a');
    await control(dialog(), 209).click();
    const files = windowByCaption(page, 'ファイルを開く');
    await shown(files);
    const row = files.locator('.row', { hasText: 'a.txt' });
    await row.click();
    await shown(row.and(page.locator('.selected')));
    // the dialog reaches below the screen's edge: Enter presses its default button
    await page.keyboard.press('Enter');
    await gone(files);
    await settled(page);
    assert.match(device.read('\\TestCommand.log'), /open 0 \\Storage Card\\a\.txt/);
  });

  it('beeps when a second command is refused', async () => {
    const before = Number(await page.locator('body').getAttribute('data-beeps'));
    // The command's dialog covers the bar: the tap goes to the button itself.
    await control(host(), 301).locator('.client').dispatchEvent('click');
    await becomes(page.locator('body'), 'data-beeps', String(before + 1));
  });

  it('closes the command with Escape and asks before the host ends', async () => {
    await control(dialog(), 206).click();  // the keys go to the window tapped last
    await page.keyboard.press('Escape');
    await gone(dialog());
    await control(host(), 40001).click();
    const box = windowByCaption(page, 'Darvik').and(page.locator('[data-message-box]'));
    await shown(box);
    assert.equal(await box.getAttribute('data-message-box'), 'question');
    await shown(box.locator('[data-text="終了しますか？"]'));
    await shown(box.locator('svg[data-icon="question"]'));
    await control(box, 1).click();
    assert.equal(await session.host.exited, 0);
    // the host answers "ended" while it goes, or no more once it has gone
    await shown(page.locator('body[data-host="ended"] .ended, body[data-host="unreachable"] .ended').first());
  });
});

describe('the browser display of the model with the taller screen', () => {
  it('shows a screen of 240 x 400 with the host filling it', async () => {
    const device = new Device('web-taller');
    const { mkdirSync, writeFileSync } = await import('node:fs');
    mkdirSync(device.file('\\Windows'), { recursive: true });
    writeFileSync(device.file('\\Windows\\Devcond.ini'), 'R7=1\n');
    const session = await Session.start(device);
    try {
      const screen = session.page.locator('#screen');
      assert.equal(await screen.getAttribute('data-screen-width'), '240');
      assert.equal(await screen.getAttribute('data-screen-height'), '400');
      const box = await windowByCaption(session.page, 'Darvik').boundingBox();
      const whole = await screen.boundingBox();
      assert.equal(Math.round(box.height), Math.round(whole.height));
    } finally {
      await session.stop();
      device.remove();
    }
  });
});
