// The whole job on the browser display with the real plug-ins: import the
// sample interchange set (tests/data/interchange) with ReconXfer, pick a
// point on the map with ReconCard, fill its card (its date, then the three tabs),
// register it, find its row in the list, and export the set — checking the
// page, the map database (darvik --dump) and the exported files; and the
// new-coordinate dialog's height box, tapped and toggled with the space
// bar. Takes the
// screenshots of docs/ when RECON_SCREENSHOTS names a folder.
import assert from 'node:assert/strict';
import { cpSync, readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';

import { Device, Session, repositoryPath } from './support/host.mjs';
import { becomes, control, gone, settled, shown, windowByCaption } from './support/screen.mjs';

const kCardScreen = '既知点踏査カード';
const kPickPrompt = '踏査点を指示してください。';
const kListScreen = '現地踏査情報一覧';

describe('the whole job in the browser', () => {
  let device;
  let session;
  let page;

  before(async () => {
    device = new Device('web-card-flow');
    device.installPlugin('libReconCard.so', 'ReconCard.dll');
    device.installPlugin('libReconXfer.so', 'ReconXfer.dll');
    cpSync(repositoryPath('tests/data/interchange'), device.storageCard, { recursive: true });
    session = await Session.start(device);
    page = session.page;
  });

  after(async () => {
    await session?.stop();
    device?.remove();
  });

  const host = () => windowByCaption(page, 'Darvik');
  const map = () => host().locator('[data-part="map"]');
  const card = () => windowByCaption(page, kCardScreen);
  const cardPage = () => card().locator('.win.kind-dialog');

  async function screenshot(name) {
    if (!process.env.RECON_SCREENSHOTS) return;
    await settled(page);
    await page.locator('#screen').screenshot({ path: path.join(process.env.RECON_SCREENSHOTS, name) });
  }

  async function answer(caption, buttonId) {
    const box = windowByCaption(page, caption);
    await shown(box);
    await control(box, buttonId).click();
    await gone(box);
  }

  async function chooseFromList(combo, item) {
    await combo.locator('.arrow').click();
    await page.locator('.droplist .item', { hasText: item }).click();
    await becomes(combo, 'data-text', item);
  }

  it('imports the sample set and draws its points over the background image', async () => {
    await control(host(), 102).click();
    const files = windowByCaption(page, 'ファイルを開く');
    await files.locator('.row', { hasText: 'SAMPLE.IMF' }).click();
    await control(files, 1).click();
    await answer('確認', 1);
    await answer('終了確認', 1);
    await shown(map().locator('[data-number="303"]'));
    assert.equal(await map().locator('[data-point]').count(), 10);
    assert.equal(await map().locator('[data-number="101"]').getAttribute('data-state'), '1');
    const image = map().locator('img.background');
    await page.waitForFunction((element) => element.complete && element.naturalWidth > 0, await image.elementHandle());
  });

  it('picks a point on the map, with a beep, and shows its card', async () => {
    await control(host(), 101).click();
    await shown(windowByCaption(page, kPickPrompt));
    const beeps = Number(await page.locator('body').getAttribute('data-beeps'));
    await map().locator('[data-number="101"]').click();
    await shown(card());
    await becomes(page.locator('body'), 'data-beeps', String(beeps + 1));
    assert.match(await control(card(), 1006).getAttribute('data-text'), /101:見本三角点/);
    assert.equal(await control(card(), 1034).getAttribute('data-selected'), '0');
  });

  it('fills the card on its three tabs', async () => {
    const date = control(card(), 1007);
    assert.equal(await date.getAttribute('data-date'), '20260420');
    await date.locator('.value').click();
    await page.locator('.popup input[type="date"]').fill('2026-05-07');
    await page.locator('.popup button', { hasText: 'OK' }).click();
    await becomes(date, 'data-date', '20260507');

    await chooseFromList(control(cardPage(), 1024), 'あり');  // 補修の有無
    await screenshot('web-card.png');
    // the page scrolls: its last list, 伐採の必要性, comes into view
    const scrollBar = cardPage().locator('[data-part="vscroll"]');
    assert.equal(await scrollBar.getAttribute('data-pos'), '0');
    await scrollBar.locator('.arrow.down').click();
    await scrollBar.locator('.arrow.down').click();
    await settled(page);
    await page.waitForFunction(() => document.querySelector('.win.kind-dialog.child [data-part="vscroll"]')?.dataset.pos !== '0');
    await chooseFromList(control(cardPage(), 1033), 'あり');

    await control(card(), 1034).locator('[data-tab="1"]').click();
    await becomes(control(card(), 1034), 'data-selected', '1');
    await chooseFromList(control(cardPage(), 1008), '東');
    await chooseFromList(control(cardPage(), 1000), '可能');
    await control(cardPage(), 1019).click();
    await shown(control(cardPage(), 1002).locator('[data-row="0"]', { hasText: '東' }));

    await control(card(), 1034).locator('[data-tab="2"]').click();
    await becomes(control(card(), 1034), 'data-selected', '2');
    await control(cardPage(), 1021).click();  // 遠景
    await becomes(control(cardPage(), 1021), 'data-checked', '1');
    await control(cardPage(), 1008).locator('.combo-field').click();  // the edit part, not the drop button
    await settled(page);
    await page.keyboard.insertText('南側から');
    await becomes(control(cardPage(), 1008), 'data-text', '南側から');
    await control(cardPage(), 1019).click();
    await shown(control(cardPage(), 1002).locator('[data-row="0"]', { hasText: '南側から' }));
  });

  it('registers the card: the point is marked on the map and the card is in the database', async () => {
    await control(card(), 1012).click();
    await gone(card());
    await shown(windowByCaption(page, kPickPrompt));
    await becomes(map().locator('[data-number="101"]'), 'data-state', '11');
    await screenshot('web-map.png');
    const dump = device.dump();
    assert.match(dump, /card id=1 surveyed=1 kind=1 origin=1 remarks="屋上,管理者の許可が必要" surveyDate=20260507 attr=13,1,2,1,2,2,2,2,1,1,1\n/);  // 補修の有無 and 伐採の必要性 now あり
    assert.match(dump, /look 0 direction="東" sight=2 clearing=0/);
    assert.match(dump, /photo 0 kind=2 date=\d+ time=\d+ comment="南側から"/);
  });

  it('lists the registered card', async () => {
    await windowByCaption(page, kPickPrompt).locator('.tool').first().click();
    const list = windowByCaption(page, kListScreen);
    await shown(list);
    const row = control(list, 1002).locator('.row', { hasText: '見本三角点' });
    await shown(row);
    assert.equal((await row.locator('.cell').nth(1).textContent()).trim(), '101');
    await list.locator('.caption .close').click();
    await gone(list);
  });

  it('exports the registered card as an interchange set', async () => {
    await control(host(), 103).click();
    const save = windowByCaption(page, 'ファイルの保存');
    await shown(save);
    await control(save, 1005).click();
    await settled(page);
    await page.keyboard.insertText('OUT');
    await becomes(control(save, 1005), 'data-text', 'OUT');
    await control(save, 1).click();
    await answer('確認', 1);
    await answer('終了確認', 1);
    const written = readdirSync(device.storageCard).filter((name) => name.startsWith('OUT'));
    assert.ok(written.includes('OUT.IMF'), written.join(', '));
    const exported = written.filter((name) => name !== 'OUT.IMF')
      .map((name) => new TextDecoder('shift_jis').decode(readFileSync(path.join(device.storageCard, name))))
      .join('\n');
    assert.match(exported, /101,"見本三角点"/);
    assert.match(exported, /南側から/);
    assert.doesNotMatch(exported, /"甲点"/, 'only registered cards are written');
  });

  it('takes a height in the new-coordinate dialog: its box lies over the "Z" label', async () => {
    await control(host(), 101).click();
    const prompt = windowByCaption(page, kPickPrompt);
    await shown(prompt);
    await prompt.locator('.tool').nth(1).click();  // 新規
    const dialog = windowByCaption(page, '新規座標を指示');
    await shown(dialog);
    const heightBox = control(dialog, 1016);
    await heightBox.click();  // the label lets the tap through
    await becomes(heightBox, 'data-checked', '1');
    await page.keyboard.press('Shift+Tab');  // from Z, where the box sent the focus, back to the box
    await shown(heightBox.and(page.locator('.focused')));
    await page.keyboard.press(' ');  // the space bar presses the focused box
    await becomes(heightBox, 'data-checked', '0');
    await dialog.locator('.caption .close').click();
    await gone(dialog);
  });
});
